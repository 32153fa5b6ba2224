#pragma once

namespace volvenda {

// The command's name, as its messages, its progress line, --version and
// --help give it.
inline constexpr char RendererName[] = "volvenda-render";

} // namespace volvenda
