# Decimal and date text of the program: the only place numbers and dates
# turn into text and back. Included by the store layer, usable by every layer.
add_library(decimali STATIC
  ${CMAKE_CURRENT_LIST_DIR}/decimaltext.h
  ${CMAKE_CURRENT_LIST_DIR}/decimaltext.cpp
  ${CMAKE_CURRENT_LIST_DIR}/datetext.h
  ${CMAKE_CURRENT_LIST_DIR}/datetext.cpp
)
target_include_directories(decimali PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(decimali PUBLIC Qt6::Core)
