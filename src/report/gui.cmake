target_sources(zq410gui PRIVATE
  report/ReportRenderer.h report/ReportRenderer.cpp
  report/ReportPreview.h report/ReportPreview.cpp
)
