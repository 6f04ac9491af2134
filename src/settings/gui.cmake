target_sources(zq410gui PRIVATE
  settings/TfBFunSet.h settings/TfBFunSet.cpp
  settings/TfModel.h settings/TfModel.cpp
  settings/MessageEdit.h settings/MessageEdit.cpp
  settings/TfEmbeddedMessage.h settings/TfEmbeddedMessage.cpp
  settings/TfTestFrequency.h settings/TfTestFrequency.cpp
)
