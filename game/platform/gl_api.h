#pragma once
// The OpenGL 3.3 core functions, declared by the core-profile header and linked from libOpenGL.
#ifndef GL_GLEXT_PROTOTYPES
#define GL_GLEXT_PROTOTYPES 1
#endif
#include <GL/glcorearb.h>
