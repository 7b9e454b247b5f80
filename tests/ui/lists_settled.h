// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Waits for the steps the score lists of a window run beside it (reading,
// sorting, saving, recording) to have run, their results applied.

#include <QTest>
#include <QWidget>

#include "framework/list/list_box.h"
#include "ui/score_list_model.h"

namespace testing_support {

inline bool listsSettled(const QWidget& window) {
  return QTest::qWaitFor(
      [&window] {
        for (const fw::ListBox* list : window.findChildren<fw::ListBox*>()) {
          if (const auto* model = qobject_cast<const ui::ScoreListModel*>(list->model()); model && model->busy()) return false;
        }
        return true;
      },
      60'000);
}

}  // namespace testing_support
