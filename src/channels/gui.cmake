target_sources(zq410gui PRIVATE
  channels/CellGrid.h channels/CellGrid.cpp
  channels/TfToneOption.h channels/TfToneOption.cpp
)
target_sources(zq410gui PRIVATE
  channels/TfChInfo.h channels/TfChInfo.cpp
)
