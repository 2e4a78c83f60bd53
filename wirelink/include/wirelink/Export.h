#pragma once

#if defined(_WIN32)
#if defined(WIRELINK_BUILDING)
#define WIRELINK_EXPORT __declspec(dllexport)
#else
#define WIRELINK_EXPORT __declspec(dllimport)
#endif
#else
#define WIRELINK_EXPORT __attribute__((visibility("default")))
#endif
