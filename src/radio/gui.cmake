target_sources(zq410gui PRIVATE
  radio/TfTransferDialog.h radio/TfTransferDialog.cpp
  radio/TfReadRadio.h radio/TfReadRadio.cpp
  radio/TfWriteRadio.h radio/TfWriteRadio.cpp
  radio/TfSetPort.h radio/TfSetPort.cpp
  radio/RadioCommands.h radio/RadioCommands.cpp
)
