// SPDX-License-Identifier: GPL-3.0-or-later
// A small Wayland window that asks the compositor for an activation token
// the way a launcher does: once it holds the keyboard focus, it requests a
// token tied to the focus event's serial, its seat and its surface, prints
// the token on a line of its own and stays on the screen until it is ended.
// The end-to-end script hands the token to another program, whose window
// the compositor should then bring forward.
#define _GNU_SOURCE
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include "xdg-activation-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

enum { kWidth = 160, kHeight = 120 };

struct client {
  struct wl_compositor* compositor;
  struct wl_shm* shm;
  struct wl_seat* seat;
  struct wl_keyboard* keyboard;
  struct xdg_wm_base* wm_base;
  struct xdg_activation_v1* activation;
  struct wl_surface* surface;
  struct wl_buffer* buffer;
  int configured;
  int asked;  // a token is asked for once, at the first focus
};

static void die(const char* what) {
  fprintf(stderr, "activation_client: %s\n", what);
  exit(1);
}

// ---- The token ---------------------------------------------------------------

static void token_done(void* data, struct xdg_activation_token_v1* token, const char* text) {
  (void)data;
  printf("token %s\n", text);
  fflush(stdout);
  xdg_activation_token_v1_destroy(token);
}

static const struct xdg_activation_token_v1_listener token_listener = {.done = token_done};

static void ask_for_token(struct client* c, uint32_t serial) {
  struct xdg_activation_token_v1* token = xdg_activation_v1_get_activation_token(c->activation);
  xdg_activation_token_v1_add_listener(token, &token_listener, c);
  xdg_activation_token_v1_set_serial(token, serial, c->seat);
  xdg_activation_token_v1_set_surface(token, c->surface);
  xdg_activation_token_v1_commit(token);
  c->asked = 1;
}

// ---- The keyboard: only its focus matters --------------------------------------

static void kb_keymap(void* data, struct wl_keyboard* kb, uint32_t format, int32_t fd, uint32_t size) {
  (void)data, (void)kb, (void)format, (void)size;
  close(fd);
}

static void kb_enter(void* data, struct wl_keyboard* kb, uint32_t serial, struct wl_surface* surface,
                     struct wl_array* keys) {
  (void)kb, (void)keys;
  struct client* c = data;
  printf("focus %u\n", serial);
  fflush(stdout);
  if (surface == c->surface && !c->asked) ask_for_token(c, serial);
}

static void kb_leave(void* data, struct wl_keyboard* kb, uint32_t serial, struct wl_surface* surface) {
  (void)data, (void)kb, (void)serial, (void)surface;
  printf("unfocus\n");
  fflush(stdout);
}

static void kb_key(void* data, struct wl_keyboard* kb, uint32_t serial, uint32_t time, uint32_t key,
                   uint32_t state) {
  (void)data, (void)kb, (void)serial, (void)time, (void)key, (void)state;
}

static void kb_modifiers(void* data, struct wl_keyboard* kb, uint32_t serial, uint32_t depressed,
                         uint32_t latched, uint32_t locked, uint32_t group) {
  (void)data, (void)kb, (void)serial, (void)depressed, (void)latched, (void)locked, (void)group;
}

static void kb_repeat(void* data, struct wl_keyboard* kb, int32_t rate, int32_t delay) {
  (void)data, (void)kb, (void)rate, (void)delay;
}

static const struct wl_keyboard_listener keyboard_listener = {
    .keymap = kb_keymap,
    .enter = kb_enter,
    .leave = kb_leave,
    .key = kb_key,
    .modifiers = kb_modifiers,
    .repeat_info = kb_repeat,
};

// A keyboard can come and go with the devices the compositor has.
static void seat_capabilities(void* data, struct wl_seat* seat, uint32_t caps) {
  struct client* c = data;
  const int has = (caps & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
  if (has && !c->keyboard) {
    c->keyboard = wl_seat_get_keyboard(seat);
    wl_keyboard_add_listener(c->keyboard, &keyboard_listener, c);
  } else if (!has && c->keyboard) {
    wl_keyboard_release(c->keyboard);
    c->keyboard = NULL;
  }
}

static void seat_name(void* data, struct wl_seat* seat, const char* name) {
  (void)data, (void)seat, (void)name;
}

static const struct wl_seat_listener seat_listener = {.capabilities = seat_capabilities, .name = seat_name};

// ---- The window ------------------------------------------------------------------

static void wm_ping(void* data, struct xdg_wm_base* base, uint32_t serial) {
  (void)data;
  xdg_wm_base_pong(base, serial);
}

static const struct xdg_wm_base_listener wm_base_listener = {.ping = wm_ping};

// A grey picture in shared memory: a surface needs some content to be mapped.
static struct wl_buffer* grey_buffer(struct wl_shm* shm) {
  const int stride = kWidth * 4, size = stride * kHeight;
  int fd = memfd_create("activation_client", MFD_CLOEXEC);
  if (fd < 0 || ftruncate(fd, size) < 0) die("no shared memory");
  void* pixels = mmap(NULL, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  if (pixels == MAP_FAILED) die("no shared memory");
  memset(pixels, 0x80, size);
  munmap(pixels, size);
  struct wl_shm_pool* pool = wl_shm_create_pool(shm, fd, size);
  struct wl_buffer* buffer = wl_shm_pool_create_buffer(pool, 0, kWidth, kHeight, stride, WL_SHM_FORMAT_XRGB8888);
  wl_shm_pool_destroy(pool);
  close(fd);
  return buffer;
}

static void surface_configure(void* data, struct xdg_surface* xdg_surface, uint32_t serial) {
  struct client* c = data;
  xdg_surface_ack_configure(xdg_surface, serial);
  if (!c->configured) {
    c->configured = 1;
    wl_surface_attach(c->surface, c->buffer, 0, 0);
  }
  wl_surface_commit(c->surface);
}

static const struct xdg_surface_listener xdg_surface_listener = {.configure = surface_configure};

static void toplevel_configure(void* data, struct xdg_toplevel* toplevel, int32_t w, int32_t h,
                               struct wl_array* states) {
  (void)data, (void)toplevel, (void)w, (void)h, (void)states;
}

static void toplevel_close(void* data, struct xdg_toplevel* toplevel) {
  (void)data, (void)toplevel;
  exit(0);
}

static const struct xdg_toplevel_listener toplevel_listener = {.configure = toplevel_configure,
                                                               .close = toplevel_close};

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                   uint32_t version) {
  struct client* c = data;
  if (strcmp(interface, wl_compositor_interface.name) == 0) {
    c->compositor = wl_registry_bind(registry, name, &wl_compositor_interface, 4);
  } else if (strcmp(interface, wl_shm_interface.name) == 0) {
    c->shm = wl_registry_bind(registry, name, &wl_shm_interface, 1);
  } else if (strcmp(interface, wl_seat_interface.name) == 0 && !c->seat) {
    c->seat = wl_registry_bind(registry, name, &wl_seat_interface, version < 5 ? version : 5);
    wl_seat_add_listener(c->seat, &seat_listener, c);
  } else if (strcmp(interface, xdg_wm_base_interface.name) == 0) {
    c->wm_base = wl_registry_bind(registry, name, &xdg_wm_base_interface, 1);
    xdg_wm_base_add_listener(c->wm_base, &wm_base_listener, c);
  } else if (strcmp(interface, xdg_activation_v1_interface.name) == 0) {
    c->activation = wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1);
  }
}

static void global_remove(void* data, struct wl_registry* registry, uint32_t name) {
  (void)data, (void)registry, (void)name;
}

static const struct wl_registry_listener registry_listener = {.global = global, .global_remove = global_remove};

int main(int argc, char** argv) {
  const char* app_id = argc > 1 ? argv[1] : "tamrix-e2e-launcher";
  struct client c = {0};
  struct wl_display* display = wl_display_connect(NULL);
  if (!display) die("no Wayland display");
  struct wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &registry_listener, &c);
  wl_display_roundtrip(display);
  if (!c.compositor || !c.shm || !c.seat || !c.wm_base) die("the compositor lacks a basic interface");
  if (!c.activation) die("the compositor has no xdg_activation_v1");

  c.buffer = grey_buffer(c.shm);
  c.surface = wl_compositor_create_surface(c.compositor);
  struct xdg_surface* xdg_surface = xdg_wm_base_get_xdg_surface(c.wm_base, c.surface);
  xdg_surface_add_listener(xdg_surface, &xdg_surface_listener, &c);
  struct xdg_toplevel* toplevel = xdg_surface_get_toplevel(xdg_surface);
  xdg_toplevel_add_listener(toplevel, &toplevel_listener, &c);
  xdg_toplevel_set_app_id(toplevel, app_id);
  xdg_toplevel_set_title(toplevel, app_id);
  wl_surface_commit(c.surface);

  while (wl_display_dispatch(display) != -1) {
  }
  return 0;
}
