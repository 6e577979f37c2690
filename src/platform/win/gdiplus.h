#pragma once
// GDI+ with what it needs in front of it (IStream) under WIN32_LEAN_AND_MEAN.

#include <windows.h>

#include <objidl.h>  // IStream, which GDI+ needs first

#include <gdiplus.h>
