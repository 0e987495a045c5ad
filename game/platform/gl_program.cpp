#include "game/platform/gl_program.h"

#include "game/platform/gl_api.h"

namespace brolt {
namespace {

constexpr const char* kVertexShader = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec4 colour;
layout(location = 2) in vec2 texCoord;
uniform mat4 toClip;
out vec3 vertexColour;
out vec2 uv;
void main() {
  gl_Position = toClip * vec4(position, 1.0);
  vertexColour = colour.rgb;
  uv = texCoord;
}
)";

// The vertex alpha is 0 in all the game's colours, so the alpha comes from the texture alone.
constexpr const char* kFragmentShader = R"(#version 330 core
in vec3 vertexColour;
in vec2 uv;
uniform sampler2D picture;
out vec4 fragColour;
void main() {
  vec4 texel = texture(picture, uv);
  fragColour = vec4(texel.rgb * vertexColour, texel.a);
}
)";

// The shader or program when it compiled or linked; otherwise it is deleted and the compiler's or
// linker's message goes to `error`.
template <typename GetValue, typename GetLog, typename Delete>
GLuint Checked(GLuint object, GLenum status, GetValue getValue, GetLog getLog, Delete destroy,
               const char* what, std::string& error) {
  GLint succeeded = GL_FALSE;
  getValue(object, status, &succeeded);
  if (succeeded == GL_TRUE) return object;
  GLint length = 0;
  getValue(object, GL_INFO_LOG_LENGTH, &length);
  std::string log(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
  getLog(object, length, nullptr, log.data());
  error = std::string(what) + ": " + log.c_str();
  destroy(object);
  return 0;
}

GLuint CompileShader(GLenum kind, const char* source, std::string& error) {
  const GLuint shader = glCreateShader(kind);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  return Checked(shader, GL_COMPILE_STATUS, glGetShaderiv, glGetShaderInfoLog, glDeleteShader, "shader", error);
}

}  // namespace

unsigned BuildQuadProgram(std::string& error) {
  const GLuint vertex = CompileShader(GL_VERTEX_SHADER, kVertexShader, error);
  if (!vertex) return 0;
  const GLuint fragment = CompileShader(GL_FRAGMENT_SHADER, kFragmentShader, error);
  if (!fragment) {
    glDeleteShader(vertex);
    return 0;
  }
  const GLuint program = glCreateProgram();
  glAttachShader(program, vertex);
  glAttachShader(program, fragment);
  glLinkProgram(program);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  return Checked(program, GL_LINK_STATUS, glGetProgramiv, glGetProgramInfoLog, glDeleteProgram,
                 "shader program", error);
}

}  // namespace brolt
