// The disc-recording engine; its parts come with the burning work.
namespace orlanburn {
const char *version() { return "0.1"; }
}
