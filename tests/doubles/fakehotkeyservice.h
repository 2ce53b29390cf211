// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A hot-key service for tests: records every registration, refuses the
// combinations it is told to, and "presses" the key on request.
#include <QList>
#include <optional>

#include "platform/hotkey.h"

class TFakeHotKeyService : public THotKeyService {
  Q_OBJECT
 public:
  struct Combination {
    quint16 fsModifiers = 0;
    quint16 vkCode = 0;
    bool operator==(const Combination&) const = default;
  };

  using THotKeyService::THotKeyService;

  bool Register(quint16 fsModifiers, quint16 vkCode) override;
  void Unregister() override;

  // From now on Register refuses this combination, as a desktop does when
  // another program holds it.
  void Refuse(quint16 fsModifiers, quint16 vkCode);
  // The user presses the registered combination: activated() is emitted,
  // but only while a combination is registered.
  void Press();

  // Every Register call in order, refused ones included.
  QList<Combination> Attempts;
  // The combination in force, none after a refusal or Unregister.
  std::optional<Combination> Registered;
  int Unregistrations = 0;

 private:
  QList<Combination> m_refused;
};
