// A stand-in Wayland compositor for what the real headless ones here cannot play: an output that
// goes away under a ride (sway 1.7's headless outputs can be neither unplugged nor disabled) and
// a pointer (they have none). It offers wl_compositor, wl_shm, the layer shell and one output, "FAKE-1"; every
// request is taken and ignored, and once a layer surface is asked for, the output's global is
// removed, as a compositor does when a monitor is unplugged; with --close, the layer surface is
// closed instead. With --pointer the output stays: the layer surface is configured at 1280×720,
// a seat with a pointer comes, the pointer enters the surface, and stdout tells "seat bound" for
// each client that binds the seat and "pointer hidden" (null surface) or "pointer shown" for
// every wl_pointer.set_cursor. With --huge the output stays at scale 4 and the layer surface is
// configured at 30000×30000, as a faulty compositor might.
//   tavrolin_stand_in_compositor SOCKET_NAME [--close | --pointer | --huge]   (in XDG_RUNTIME_DIR)
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <wayland-server.h>

extern "C" const wl_interface zwlr_layer_shell_v1_interface;

namespace {

wl_display* display = nullptr;
wl_global* outputGlobal = nullptr;
bool closeSurface = false;
bool watchPointer = false;
std::uint32_t configuredWidth = 1280;
std::uint32_t configuredHeight = 720;
std::int32_t outputScale = 1;
wl_resource* lastSurface = nullptr;
// zwlr_layer_surface_v1's events.
constexpr std::uint32_t layerSurfaceConfigure = 0;
constexpr std::uint32_t layerSurfaceClosed = 1;

void forget(wl_resource* resource)
{
    if (resource == lastSurface)
        lastSurface = nullptr;
}

// What a pointer-watching compositor does besides ignoring: configure the layer surface, put
// the pointer on the surface, and tell what the client makes of the pointer's image.
void watch(const wl_message* message, wl_argument* arguments, wl_resource* made)
{
    if (std::strcmp(message->name, "create_surface") == 0) {
        lastSurface = made;
    } else if (std::strcmp(message->name, "get_layer_surface") == 0 && made != nullptr) {
        wl_resource_post_event(made, layerSurfaceConfigure, wl_display_next_serial(display), configuredWidth,
                               configuredHeight);
    } else if (std::strcmp(message->name, "get_pointer") == 0 && made != nullptr && lastSurface != nullptr) {
        wl_pointer_send_enter(made, wl_display_next_serial(display), lastSurface, 0, 0);
    } else if (std::strcmp(message->name, "set_cursor") == 0) {
        std::printf("pointer %s\n", arguments[1].o == nullptr ? "hidden" : "shown");
        std::fflush(stdout);
    }
}
const char* const implementation = "every request through the dispatcher";

void removeOutput(void*)
{
    if (outputGlobal) {
        wl_global_destroy(outputGlobal);
        outputGlobal = nullptr;
    }
}

wl_resource* makeResource(wl_client* client, const wl_interface* interface, int version, std::uint32_t id);

// Takes any request: makes the objects it creates, closes the descriptors it passes, destroys
// objects on their destructor.
int dispatch(const void*, void* target, std::uint32_t, const wl_message* message, wl_argument* arguments)
{
    auto* resource = static_cast<wl_resource*>(target);
    wl_resource* made = nullptr;
    int index = 0;
    for (const char* type = message->signature; *type != '\0'; ++type) {
        if (*type == '?' || (*type >= '0' && *type <= '9'))
            continue;
        if (*type == 'n' && message->types[index] != nullptr)
            made = makeResource(wl_resource_get_client(resource), message->types[index],
                                wl_resource_get_version(resource), arguments[index].n);
        if (*type == 'h')
            close(arguments[index].h);
        ++index;
    }
    if (watchPointer)
        watch(message, arguments, made);
    else if (std::strcmp(message->name, "get_layer_surface") == 0 && closeSurface && made != nullptr)
        wl_resource_post_event(made, layerSurfaceClosed);
    else if (std::strcmp(message->name, "get_layer_surface") == 0)
        wl_event_loop_add_idle(wl_display_get_event_loop(display), removeOutput, nullptr);
    if (std::strcmp(message->name, "destroy") == 0 || std::strcmp(message->name, "release") == 0)
        wl_resource_destroy(resource);
    return 0;
}

wl_resource* makeResource(wl_client* client, const wl_interface* interface, int version, std::uint32_t id)
{
    wl_resource* resource = wl_resource_create(client, interface, version, id);
    if (resource == nullptr) {
        wl_client_post_no_memory(client);
        return nullptr;
    }
    wl_resource_set_dispatcher(resource, dispatch, implementation, nullptr, forget);
    return resource;
}

void bindPlain(wl_client* client, void* data, std::uint32_t version, std::uint32_t id)
{
    makeResource(client, static_cast<const wl_interface*>(data), static_cast<int>(version), id);
}

void bindShm(wl_client* client, void*, std::uint32_t version, std::uint32_t id)
{
    if (wl_resource* shm = makeResource(client, &wl_shm_interface, static_cast<int>(version), id)) {
        wl_shm_send_format(shm, WL_SHM_FORMAT_ARGB8888);
        wl_shm_send_format(shm, WL_SHM_FORMAT_XRGB8888);
    }
}

void bindSeat(wl_client* client, void*, std::uint32_t version, std::uint32_t id)
{
    std::printf("seat bound\n");
    std::fflush(stdout);
    if (wl_resource* seat = makeResource(client, &wl_seat_interface, static_cast<int>(version), id))
        wl_seat_send_capabilities(seat, WL_SEAT_CAPABILITY_POINTER);
}

void bindOutput(wl_client* client, void*, std::uint32_t version, std::uint32_t id)
{
    wl_resource* output = makeResource(client, &wl_output_interface, static_cast<int>(version), id);
    if (output == nullptr)
        return;
    wl_output_send_geometry(output, 0, 0, 0, 0, WL_OUTPUT_SUBPIXEL_UNKNOWN, "fake", "fake",
                            WL_OUTPUT_TRANSFORM_NORMAL);
    wl_output_send_mode(output, WL_OUTPUT_MODE_CURRENT, 1280, 720, 60000);
    if (version >= WL_OUTPUT_SCALE_SINCE_VERSION)
        wl_output_send_scale(output, outputScale);
    if (version >= WL_OUTPUT_NAME_SINCE_VERSION)
        wl_output_send_name(output, "FAKE-1");
    if (version >= WL_OUTPUT_DONE_SINCE_VERSION)
        wl_output_send_done(output);
}

}

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3)
        return 2;
    closeSurface = argc == 3 && std::strcmp(argv[2], "--close") == 0;
    const bool huge = argc == 3 && std::strcmp(argv[2], "--huge") == 0;
    watchPointer = huge || (argc == 3 && std::strcmp(argv[2], "--pointer") == 0);
    if (huge) {
        configuredWidth = configuredHeight = 30000;
        outputScale = 4;
    }
    display = wl_display_create();
    if (display == nullptr || wl_display_add_socket(display, argv[1]) != 0) {
        std::fprintf(stderr, "tavrolin_stand_in_compositor: no socket %s\n", argv[1]);
        return 1;
    }
    wl_global_create(display, &wl_compositor_interface, 4, const_cast<wl_interface*>(&wl_compositor_interface),
                     bindPlain);
    wl_global_create(display, &zwlr_layer_shell_v1_interface, 4,
                     const_cast<wl_interface*>(&zwlr_layer_shell_v1_interface), bindPlain);
    wl_global_create(display, &wl_shm_interface, 1, nullptr, bindShm);
    outputGlobal = wl_global_create(display, &wl_output_interface, 4, nullptr, bindOutput);
    if (watchPointer && !huge)
        wl_global_create(display, &wl_seat_interface, 5, nullptr, bindSeat);
    wl_display_run(display);
    wl_display_destroy(display);
    return 0;
}
