/* A pointer for end-to-end tests in a compositor whose seat has none (a
 * headless sway): makes one virtual pointer device and runs the commands given
 * as arguments, in order, then removes the device. Without arguments it reads
 * commands from its input, a line at a time, and answers each line with "ok"
 * (or "error") once the compositor has handled it, keeping the one device:
 * sway 1.7 can crash when pointer devices come and go while a window maps.
 *
 *   move-absolute X Y     the pointer to X,Y of the output layout
 *   glide X Y STEPS       from where it is to X,Y in STEPS motions, 20 ms apart
 *   button down|up        the left button
 *   sleep MS              waits
 *   extent W H            the layout's size for the absolute motions (default
 *                         1280 x 1024)
 */
#define _POSIX_C_SOURCE 200809L

#include "virtual-pointer-unstable-v1-client-protocol.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

enum { kLeftButton = 0x110, kGlideStepMs = 20 };

struct Pointer {
    struct wl_display* display;
    struct zwlr_virtual_pointer_manager_v1* manager;
    struct zwlr_virtual_pointer_v1* device;
    unsigned x, y, width, height;
};

static void on_global(void* data, struct wl_registry* registry, uint32_t name,
                      const char* interface, uint32_t version) {
    struct Pointer* pointer = data;
    (void)version;
    if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        pointer->manager =
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
}

static void on_global_remove(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registry_listener = {on_global, on_global_remove};

static uint32_t now_ms(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (uint32_t)(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

static void sleep_ms(long ms) {
    struct timespec pause = {ms / 1000, (ms % 1000) * 1000000};
    nanosleep(&pause, NULL);
}

/* Sends what was queued and waits until the compositor has handled it. */
static void deliver(struct Pointer* pointer) {
    zwlr_virtual_pointer_v1_frame(pointer->device);
    wl_display_roundtrip(pointer->display);
}

static void move_to(struct Pointer* pointer, unsigned x, unsigned y) {
    pointer->x = x;
    pointer->y = y;
    zwlr_virtual_pointer_v1_motion_absolute(pointer->device, now_ms(), x, y, pointer->width,
                                            pointer->height);
    deliver(pointer);
}

static void glide_to(struct Pointer* pointer, unsigned x, unsigned y, int steps) {
    const double x0 = pointer->x, y0 = pointer->y;
    for (int i = 1; i <= steps; ++i) {
        sleep_ms(kGlideStepMs);
        move_to(pointer, (unsigned)(x0 + (x - x0) * i / steps + 0.5),
                (unsigned)(y0 + (y - y0) * i / steps + 0.5));
    }
}

static void press(struct Pointer* pointer, int down) {
    zwlr_virtual_pointer_v1_button(pointer->device, now_ms(), kLeftButton,
                                   down ? WL_POINTER_BUTTON_STATE_PRESSED
                                        : WL_POINTER_BUTTON_STATE_RELEASED);
    deliver(pointer);
}

static int usage(const char* at) {
    fprintf(stderr, "virtual_pointer: bad command at \"%s\"\n", at ? at : "(end)");
    return 2;
}

/* Runs the commands words[0..count-1]; returns the exit status. */
static int run(struct Pointer* pointer, int count, char** words) {
    for (int i = 0; i < count;) {
        const char* command = words[i];
        const int left = count - i - 1;
        if (strcmp(command, "move-absolute") == 0 && left >= 2) {
            move_to(pointer, (unsigned)atoi(words[i + 1]), (unsigned)atoi(words[i + 2]));
            i += 3;
        } else if (strcmp(command, "glide") == 0 && left >= 3) {
            glide_to(pointer, (unsigned)atoi(words[i + 1]), (unsigned)atoi(words[i + 2]),
                     atoi(words[i + 3]) > 0 ? atoi(words[i + 3]) : 1);
            i += 4;
        } else if (strcmp(command, "button") == 0 && left >= 1 &&
                   (strcmp(words[i + 1], "down") == 0 || strcmp(words[i + 1], "up") == 0)) {
            press(pointer, strcmp(words[i + 1], "down") == 0);
            i += 2;
        } else if (strcmp(command, "sleep") == 0 && left >= 1) {
            sleep_ms(atol(words[i + 1]));
            i += 2;
        } else if (strcmp(command, "extent") == 0 && left >= 2) {
            pointer->width = (unsigned)atoi(words[i + 1]);
            pointer->height = (unsigned)atoi(words[i + 2]);
            i += 3;
        } else {
            return usage(command);
        }
    }
    return 0;
}

enum { kMaxLine = 1024, kMaxWords = 64 };

/* Commands from the input, a line at a time, each answered. */
static int serve(struct Pointer* pointer) {
    char line[kMaxLine];
    while (fgets(line, sizeof line, stdin) != NULL) {
        char* words[kMaxWords];
        int count = 0;
        for (char* word = strtok(line, " \t\n"); word != NULL && count < kMaxWords;
             word = strtok(NULL, " \t\n"))
            words[count++] = word;
        const int status = run(pointer, count, words);
        puts(status == 0 ? "ok" : "error");
        fflush(stdout);
    }
    return 0;
}

int main(int argc, char** argv) {
    struct Pointer pointer = {0};
    pointer.width = 1280;
    pointer.height = 1024;
    pointer.display = wl_display_connect(NULL);
    if (pointer.display == NULL) {
        fprintf(stderr, "virtual_pointer: no Wayland display\n");
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(pointer.display);
    wl_registry_add_listener(registry, &registry_listener, &pointer);
    wl_display_roundtrip(pointer.display);
    if (pointer.manager == NULL) {
        fprintf(stderr, "virtual_pointer: the compositor offers no virtual pointers\n");
        return 1;
    }
    pointer.device = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(pointer.manager, NULL);
    const int status = argc > 1 ? run(&pointer, argc - 1, argv + 1) : serve(&pointer);
    zwlr_virtual_pointer_v1_destroy(pointer.device);
    zwlr_virtual_pointer_manager_v1_destroy(pointer.manager);
    wl_registry_destroy(registry);
    wl_display_roundtrip(pointer.display);
    wl_display_disconnect(pointer.display);
    return status;
}
