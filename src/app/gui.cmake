target_sources(zq410gui PRIVATE
  app/DesktopDialogs.h app/DesktopDialogs.cpp
  app/FormBuilding.h
)
target_sources(zq410gui PRIVATE
  app/Artwork.h app/Artwork.cpp
  app/TfMainFrm.h app/TfMainFrm.cpp
)
