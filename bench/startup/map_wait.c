// SPDX-License-Identifier: MIT
/* Starts a program and reports, as "<ms> <kB>", the time from just before it
 * starts until the X server maps its first top-level window, and its resident
 * memory a settling time after that. The map is seen as a MapNotify event on
 * the root window, so no polling adds to the time. The program is then ended.
 *
 * usage: map_wait <settle-ms> <program> [arguments...]
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long resident_kb(pid_t pid)
{
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE *status = fopen(path, "r");
    long kb = -1;
    if (!status)
        return kb;
    while (fgets(line, sizeof line, status)) {
        if (strncmp(line, "VmRSS:", 6) == 0) {
            kb = strtol(line + 6, NULL, 10);
            break;
        }
    }
    fclose(status);
    return kb;
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s <settle-ms> <program> [arguments...]\n", argv[0]);
        return 2;
    }
    const long settle_ms = strtol(argv[1], NULL, 10);
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "map_wait: no X display\n");
        return 2;
    }
    /* Listen before the program starts, so that no map can be missed. */
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[2], argv + 2);
        perror("map_wait: exec");
        _exit(127);
    }

    double mapped = -1;
    while (mapped < 0) {
        XEvent event;
        XNextEvent(display, &event);
        /* Menus and tooltips are override-redirect; the main window is not. */
        if (event.type == MapNotify && !event.xmap.override_redirect)
            mapped = now_ms();
    }

    struct timespec settle = {settle_ms / 1000, (settle_ms % 1000) * 1000000L};
    nanosleep(&settle, NULL);
    const long kb = resident_kb(child);

    kill(child, SIGTERM);
    int status = 0;
    struct rusage usage;
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);
    /* ms to the map, resident kB once shown, peak resident kB (as /usr/bin/time -f %M) */
    printf("%.1f %ld %ld\n", mapped - start, kb, usage.ru_maxrss);
    return 0;
}
