// The burning library; its parts come with the burning work.
namespace kymburner {
const char *version() { return "0.1"; }
}
