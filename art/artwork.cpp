// Window artwork compiled into the program as Qt resources under :/art.
// The pictures themselves come from tarnwell-art; this file only gives the
// library an object of its own.
namespace tarnwell_artwork {
int version()
{
    return 1;
}
} // namespace tarnwell_artwork
