# SPDX-License-Identifier: MIT
# Transport properties of the engine core: viscosity, thermal conductivity and surface tension, and the two
# transport properties of IF97 states.
set(AQUAPROP_TRANSPORT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Viscosity.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Conductivity.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SurfaceTension.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Transport.cpp
)
