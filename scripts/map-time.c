/* Starts a program and prints the milliseconds from its exec until the X server maps a top-level
 * window with the given title, then ends the program. It waits on the server's own map and
 * property events, so no poller competes with the program for the processor or the server.
 * Also prints, on stderr, every top-level window mapped on the way, with its time and title.
 * Usage: map-time TITLE PROGRAM [ARGUMENTS...]    (exit 1 if the program ends first) */
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, strlen(name), name), NULL);
    xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
    free(r);
    return a;
}

/* The window's title (_NET_WM_NAME, else WM_NAME) into out; empty when it has none. */
static void title(xcb_connection_t* c, xcb_window_t w, xcb_atom_t net_name, xcb_atom_t utf8, char* out, size_t n) {
    out[0] = '\0';
    xcb_atom_t names[2] = {net_name, XCB_ATOM_WM_NAME};
    xcb_atom_t types[2] = {utf8, XCB_ATOM_STRING};
    for (int i = 0; i < 2 && !out[0]; ++i) {
        xcb_get_property_reply_t* r =
            xcb_get_property_reply(c, xcb_get_property(c, 0, w, names[i], types[i], 0, 256), NULL);
        if (r) {
            size_t len = (size_t)xcb_get_property_value_length(r);
            if (len >= n) len = n - 1;
            memcpy(out, xcb_get_property_value(r), len);
            out[len] = '\0';
            free(r);
        }
    }
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: map-time TITLE PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const char* wanted = argv[1];
    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "map-time: cannot open the display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t root_events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &root_events);
    const xcb_atom_t net_name = atom(c, "_NET_WM_NAME"), utf8 = atom(c, "UTF8_STRING");
    xcb_flush(c);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(2, 1); /* what the program prints is not our answer */
        execvp(argv[2], argv + 2);
        perror("map-time: exec");
        _exit(127);
    }
    int found = 0;
    char name[512];
    while (!found) {
        xcb_generic_event_t* e = xcb_poll_for_event(c);
        if (!e) {
            if (waitpid(pid, NULL, WNOHANG) == pid) {
                fprintf(stderr, "map-time: %s ended before its window showed\n", argv[2]);
                return 1;
            }
            if (xcb_connection_has_error(c)) {
                fprintf(stderr, "map-time: lost the display\n");
                return 2;
            }
            /* The program's end shows no X event: wake up now and then to look for it. */
            fd_set fds;
            FD_ZERO(&fds);
            FD_SET(xcb_get_file_descriptor(c), &fds);
            struct timeval tv = {0, 20000};
            select(xcb_get_file_descriptor(c) + 1, &fds, NULL, NULL, &tv);
            continue;
        }
        const uint8_t type = e->response_type & 0x7f;
        xcb_window_t w = XCB_WINDOW_NONE;
        if (type == XCB_MAP_NOTIFY) {
            w = ((xcb_map_notify_event_t*)e)->window;
            /* A later title change of a mapped window counts too. */
            const uint32_t window_events = XCB_EVENT_MASK_PROPERTY_CHANGE;
            xcb_change_window_attributes(c, w, XCB_CW_EVENT_MASK, &window_events);
        } else if (type == XCB_PROPERTY_NOTIFY) {
            xcb_property_notify_event_t* p = (xcb_property_notify_event_t*)e;
            if (p->atom == net_name || p->atom == XCB_ATOM_WM_NAME) {
                xcb_get_window_attributes_reply_t* a =
                    xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, p->window), NULL);
                if (a && a->map_state == XCB_MAP_STATE_VIEWABLE) w = p->window;
                free(a);
            }
        }
        free(e);
        if (w == XCB_WINDOW_NONE) continue;
        const double at = now_ms() - start;
        title(c, w, net_name, utf8, name, sizeof name);
        fprintf(stderr, "map-time: %.1f ms %s \"%s\"\n", at, type == XCB_MAP_NOTIFY ? "mapped" : "titled", name);
        if (strcmp(name, wanted) == 0) {
            printf("%.0f\n", at);
            found = 1;
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    xcb_disconnect(c);
    return 0;
}
