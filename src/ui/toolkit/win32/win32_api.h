#ifndef ORVELLO_UI_TOOLKIT_WIN32_WIN32_API_H_
#define ORVELLO_UI_TOOLKIT_WIN32_WIN32_API_H_

// <windows.h> as the backend includes it: without the min and max macros, and without the
// CreateWindow macro, which would rename Application::CreateWindow wherever both are seen.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef CreateWindow

#endif  // ORVELLO_UI_TOOLKIT_WIN32_WIN32_API_H_
