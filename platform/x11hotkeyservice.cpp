// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11hotkeyservice.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>
#include <QThread>

#include "platform/x11keysyms.h"

// Xlib last: its macros (None, KeyPress, Bool...) would clash with Qt names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

// Xlib reports protocol errors through one process-wide handler; it is set
// only around our own grab requests, so one variable is enough.
int g_grabError = 0;

int RecordGrabError(Display*, XErrorEvent* event) {
  g_grabError = event->error_code;
  return 0;
}

// The modifiers that matter for the combination; lock modifiers are not
// among them, whatever state they are in.
constexpr unsigned int kComboModifiers = ShiftMask | ControlMask | Mod1Mask | Mod4Mask;

}  // namespace

TX11HotKeyService::TX11HotKeyService(const QByteArray& displayName, QObject* parent)
    : THotKeyService(parent) {
  // A busy server can turn a connection away for a moment (EAGAIN while its
  // queue of new clients is full); a few tries keep the hot key from being
  // lost for the whole run because of that.
  const char* name = displayName.isEmpty() ? nullptr : displayName.constData();
  for (int attempt = 0; attempt < 5 && !m_display; ++attempt) {
    if (attempt > 0) QThread::msleep(20);
    m_display = XOpenDisplay(name);
  }
  if (!m_display) return;
  // A held key repeats as presses without releases in between, so a hot key
  // held down toggles the window once, not at the keyboard's repeat rate.
  Bool detectable = False;
  XkbSetDetectableAutoRepeat(m_display, True, &detectable);
  m_notifier = new QSocketNotifier(ConnectionNumber(m_display), QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, &TX11HotKeyService::DrainEvents);
  // Xlib may already have read events into its queue while waiting for a
  // reply; the socket then stays quiet, so look at the queue before sleeping.
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
      if (XEventsQueued(m_display, QueuedAlready) > 0) DrainEvents();
    });
  }
}

TX11HotKeyService::~TX11HotKeyService() {
  if (!m_display) return;
  Ungrab();
  delete m_notifier;
  XCloseDisplay(m_display);
}

unsigned int TX11HotKeyService::NumLockMask() const {
  const KeyCode numLock = XKeysymToKeycode(m_display, XK_Num_Lock);
  if (numLock == 0) return 0;
  XModifierKeymap* map = XGetModifierMapping(m_display);
  unsigned int mask = 0;
  for (int mod = 0; mod < 8 && map; ++mod) {
    for (int k = 0; k < map->max_keypermod; ++k) {
      if (map->modifiermap[mod * map->max_keypermod + k] == numLock) mask = 1u << mod;
    }
  }
  if (map) XFreeModifiermap(map);
  return mask;
}

bool TX11HotKeyService::Register(quint16 fsModifiers, quint16 vkCode) {
  Ungrab();
  if (!m_display) return false;
  const unsigned long keysym = VkToKeysym(vkCode);
  if (keysym == NoSymbol) return false;
  const KeyCode keycode = XKeysymToKeycode(m_display, keysym);
  if (keycode == 0) return false;
  const unsigned int modifiers = X11ModifierMask(fsModifiers);
  const unsigned int numLock = NumLockMask();
  const unsigned int locks[] = {0, LockMask, numLock, LockMask | numLock};
  m_keycode = keycode;
  m_modifiers = modifiers;
  m_numLock = numLock;

  const Window root = DefaultRootWindow(m_display);
  XSync(m_display, False);
  g_grabError = 0;
  XErrorHandler previous = XSetErrorHandler(RecordGrabError);
  for (unsigned int lock : locks) {
    XGrabKey(m_display, keycode, modifiers | lock, root, False, GrabModeAsync, GrabModeAsync);
  }
  XSync(m_display, False);
  XSetErrorHandler(previous);

  if (g_grabError != 0) {
    // Another client holds one of the variants (BadAccess): give back the
    // ones that did succeed, so no half-working key is left behind.
    Ungrab();
    return false;
  }
  return true;
}

void TX11HotKeyService::Unregister() { Ungrab(); }

void TX11HotKeyService::Ungrab() {
  if (!m_display || m_keycode == 0) return;
  const unsigned int locks[] = {0, LockMask, m_numLock, LockMask | m_numLock};
  const Window root = DefaultRootWindow(m_display);
  for (unsigned int lock : locks) XUngrabKey(m_display, m_keycode, m_modifiers | lock, root);
  XSync(m_display, False);
  m_keycode = 0;
  m_modifiers = 0;
  m_held = false;
}

void TX11HotKeyService::DrainEvents() {
  while (XPending(m_display) > 0) {
    XEvent event;
    XNextEvent(m_display, &event);
    if (m_keycode == 0 || (event.type != KeyPress && event.type != KeyRelease)) continue;
    if (static_cast<int>(event.xkey.keycode) != m_keycode) continue;
    if (event.type == KeyRelease) {
      m_held = false;
    } else if (event.type == KeyPress && (event.xkey.state & kComboModifiers) == m_modifiers) {
      if (!m_held) emit activated();
      m_held = true;
    }
  }
}
