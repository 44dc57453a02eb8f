// Until the main window lands: prints a few engine values.
#include "engine/seam/PropertyEngine.h"

#include <cstdio>

int main()
{
    PropertyEngine& engine = Engine();
    std::printf("Saturation temperature at 1 MPa: %.8f degC\n", engine.STM_sTp(1.0));
    std::printf("Enthalpy at 300 degC, 3 MPa:    %.8f kJ/kg\n", engine.STM_nHtp(300.0, 3.0));
    return 0;
}
