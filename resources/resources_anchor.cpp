// The resources themselves are linked in as Qt resource objects; this file
// only gives the library a translation unit of its own.
namespace radixmender::resources {
int anchor() { return 0; }
}  // namespace radixmender::resources
