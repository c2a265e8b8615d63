/* The X requests the end-to-end suite needs beyond xdotool, which it runs
 * without a window manager:
 *
 *   xtool close <window id>   asks the window to close as a window manager's
 *                             close button does (the ICCCM WM_DELETE_WINDOW
 *                             message); xdotool can only destroy windows
 *   xtool owner <selection>   prints the window that owns the selection, or
 *                             fails when nobody does (a notification area
 *                             owns _NET_SYSTEM_TRAY_S<screen>)
 *   xtool group               prints the keyboard's locked layout group
 *                             (0 for the first layout of setxkbmap's list),
 *                             the group that decides what the keys type
 */
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int closeWindow(Display* display, Window window)
{
    XEvent event;
    memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return sent ? 0 : 1;
}

static int selectionOwner(Display* display, const char* selection)
{
    const Window owner = XGetSelectionOwner(display, XInternAtom(display, selection, False));
    if (owner == None)
        return 1;
    printf("0x%lx\n", (unsigned long)owner);
    return 0;
}

static int layoutGroup(Display* display)
{
    XkbStateRec state;
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return 1;
    printf("%d\n", state.locked_group);
    return 0;
}

int main(int argc, char** argv)
{
    const int group = argc == 2 && strcmp(argv[1], "group") == 0;
    if (!group && (argc != 3 || (strcmp(argv[1], "close") != 0 && strcmp(argv[1], "owner") != 0))) {
        fprintf(stderr, "usage: xtool close <window id> | xtool owner <selection> | xtool group\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "xtool: cannot open the display\n");
        return 1;
    }
    const int result = group ? layoutGroup(display)
                       : strcmp(argv[1], "close") == 0
                           ? closeWindow(display, (Window)strtoul(argv[2], NULL, 0))
                           : selectionOwner(display, argv[2]);
    XCloseDisplay(display);
    return result;
}
