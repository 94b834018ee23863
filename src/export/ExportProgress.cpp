#include "ExportProgress.h"

ExportProgress::~ExportProgress() = default;
