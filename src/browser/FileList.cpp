#include "FileList.h"

FileList::~FileList() = default;
