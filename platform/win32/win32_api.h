// The platform's headers as this back end uses them.
#pragma once
#include <windows.h>

// The program's interfaces use these names for operations of their own; the back end spells the
// ANSI calls out (CopyFileA, MessageBoxA, ...), so the macros must not rename the interfaces.
#undef CopyFile
#undef DeleteFile
#undef ReplaceFile
#undef MessageBox
