// Developer tool: starts a program on the X display of $DISPLAY and ends it as soon as its first
// top-level window is mapped; prints the milliseconds from the start to that moment and the
// program's peak memory in KiB. Used by scripts/startup-time to time the start-up.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// Child process running argv; -1 when it cannot be started.
pid_t Start(char** argv) {
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[0], argv);
    std::perror(argv[0]);
    _exit(127);
  }
  return pid;
}

// Waits until a window that is not override-redirect (no menu or tooltip) is mapped on the
// root window. False when the child ended first or the connection failed.
bool WaitForMap(xcb_connection_t* x, pid_t child) {
  pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
  while (true) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
      const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                          !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
      std::free(event);
      if (mapped) return true;
    }
    if (xcb_connection_has_error(x) || waitpid(child, nullptr, WNOHANG) != 0) return false;
    poll(&fd, 1, 20);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: first_window PROGRAM [ARG ...]\n");
    return 2;
  }
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "first_window: cannot open the display\n");
    return 2;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
  std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));  // the mask is set
  fcntl(xcb_get_file_descriptor(x), F_SETFD, FD_CLOEXEC);  // not handed on to the program

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = Start(argv + 1);
  if (child < 0) return 2;
  if (!WaitForMap(x, child)) {
    std::fprintf(stderr, "first_window: %s ended without a window\n", argv[1]);
    kill(child, SIGKILL);
    return 1;
  }
  const auto end = std::chrono::steady_clock::now();
  kill(child, SIGKILL);
  rusage usage{};
  wait4(child, nullptr, 0, &usage);
  xcb_disconnect(x);
  const double ms = std::chrono::duration<double, std::milli>(end - start).count();
  std::printf("%.1f %ld\n", ms, usage.ru_maxrss);
  return 0;
}
