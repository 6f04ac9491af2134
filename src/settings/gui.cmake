target_sources(zq410gui PRIVATE
  settings/TfBFunSet.h settings/TfBFunSet.cpp
  settings/TfModel.h settings/TfModel.cpp
  settings/TfEmbeddedMessage.h settings/TfEmbeddedMessage.cpp
)
