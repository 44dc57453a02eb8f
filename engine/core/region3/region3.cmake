# SPDX-License-Identifier: MIT
# Region 3 of the engine core: the Helmholtz equation, its v(p,T) and (p,h)/(p,s) backward
# equations, and the density and temperature solves built on them.
set(AQUAPROP_REGION3_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Helmholtz.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VolumePT.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Backward.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DensitySolve.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TemperatureSolve.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Edges.cpp
)
