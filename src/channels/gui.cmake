target_sources(zq410gui PRIVATE
  channels/CellGrid.h channels/CellGrid.cpp
  channels/TfToneOption.h channels/TfToneOption.cpp
)
