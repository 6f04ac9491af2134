target_sources(zq410gui PRIVATE
  app/DesktopDialogs.h app/DesktopDialogs.cpp
)
