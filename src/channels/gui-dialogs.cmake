target_sources(zq410gui PRIVATE
  channels/FrequencyBox.h channels/FrequencyBox.cpp
  channels/ToneBox.h channels/ToneBox.cpp
  channels/ChannelSpinBox.h channels/ChannelSpinBox.cpp
  channels/DialogCells.h channels/DialogCells.cpp
  channels/TfBInfoEdit.h channels/TfBInfoEdit.cpp
  channels/TfBBatchEdit.h channels/TfBBatchEdit.cpp
)
