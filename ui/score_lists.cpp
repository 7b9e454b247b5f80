// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/score_lists.h"

#include <cstdio>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "framework/window/application.h"
#include "framework/window/message_dialog.h"

namespace ui {

namespace {

// Shown over the window; with nobody there to see it (the game ends by a
// signal), on standard error.
void tell(const std::string& message, const std::string& explanation) {
  if (!fw::userCanBeAsked()) {
    std::fprintf(stderr, "veltrano: %s\n%s\n", message.c_str(), explanation.c_str());
    return;
  }
  fw::MessageDialog dialog;
  dialog.icon = fw::MessageDialog::Icon::Caution;
  dialog.message = message;
  dialog.explanation = explanation;
  dialog.cancelVisible = false;
  dialog.open();
}

// A translated text with %1, %2, ... replaced by values as they are: a path
// is bytes, in whatever encoding the player's folder has.
std::string fill(const QString& text, const std::vector<std::string>& values) {
  return fw::filled(text.toStdString(), values);
}

// Why a file failed, in the player's language; the system's words and the
// paths in it stay as they are.
std::string said(const fw::Reason& reason) {
  return reason.words([](const char* text) { return QCoreApplication::translate("Reasons", text).toStdString(); });
}

// A file and why it failed, as a sentence of its own.
std::string fileAndReason(const std::string& path, const fw::Reason& reason) {
  //: %1 is a file's path, %2 why it failed.
  return fill(QCoreApplication::translate("ScoreLists", "%1: %2."), {path, said(reason)});
}

enum class AfterFailedSave { TryAgain, CloseWithoutSaving, BackToTheGame };

void askAfterFailedSave(const std::string& failures, std::function<void(AfterFailedSave)> answered) {
  fw::MessageDialog dialog;
  dialog.icon = fw::MessageDialog::Icon::Caution;
  dialog.message = ScoreLists::tr("Your scores could not be saved.").toStdString();
  dialog.explanation = failures + "\n" +
                       ScoreLists::tr("Try again, quit without saving (the files keep the scores they had), "
                                      "or go back to the game.")
                           .toStdString();
  dialog.actionCaption = ScoreLists::tr("Try Again").toStdString();
  dialog.alternateVisible = true;
  dialog.alternateCaption = ScoreLists::tr("Quit Without Saving").toStdString();
  dialog.cancelCaption = ScoreLists::tr("Back to the Game").toStdString();
  dialog.open([answered = std::move(answered)](fw::MessageDialog::Button button) {
    switch (button) {
      case fw::MessageDialog::Button::Action: answered(AfterFailedSave::TryAgain); return;
      case fw::MessageDialog::Button::Alternate: answered(AfterFailedSave::CloseWithoutSaving); return;
      case fw::MessageDialog::Button::Cancel: break;
    }
    answered(AfterFailedSave::BackToTheGame);
  });
}

}  // namespace

ScoreLists::ScoreLists(const std::string& folder)
    : standard_(folder, scores::kStandardFile), expert_(folder, scores::kExpertFile) {
  for (ScoreListModel* model : models_) {
    model->load([this] {
      if (--reading_ == 0 && whenRead_) std::exchange(whenRead_, {})();
    });
  }
}

// The models' jobs are stopped, and waited for, before the lists they use go.
ScoreLists::~ScoreLists() = default;

void ScoreLists::show(fw::ListBox& standardList, fw::ListBox& expertList) {
  standardList.setModel(&standardModel_);
  expertList.setModel(&expertModel_);
}

void ScoreLists::whenRead(std::function<void()> then) {
  if (reading_ == 0) {
    then();
    return;
  }
  whenRead_ = std::move(then);
}

void ScoreLists::tellLoadProblems() const {
  if (standard_.path().empty()) {
    tell(tr("The score lists cannot be kept in files.").toStdString(),
         tr("Neither XDG_CONFIG_HOME nor HOME names a folder for them by its full path, so the game writes no "
            "file. Until it is started again with one of them set, scores recorded are kept in the lists only.")
             .toStdString());
    return;
  }
  for (const scores::ScoreList* list : lists_) {
    if (list->problem().empty() && list->linesLeftOut() > 0) {
      tell(tr("Some lines of a score list could not be read.").toStdString(),
           //: %1 is the file's path, %2 how many lines, %3 the path of the copy.
           fill(tr("%1 has lines the game cannot read whole as a name and a score (%2 of them): they are left out "
                   "of the list, or shortened to their name and score. Before the list is first saved so, the file as "
                   "it is now is kept in %3."),
                {list->path(), std::to_string(list->linesLeftOut()), list->backupPath()}));
    }
    if (list->problem().empty()) continue;
    tell(tr("A score list could not be read.").toStdString(),
         fileAndReason(list->path(), list->problem()) + "\n\n" +
             tr("The file is left exactly as it is. Until the game is started again, scores recorded in this "
                "list are kept in the list only, not in the file.")
                 .toStdString());
  }
}

void ScoreLists::save(std::function<void(bool mayClose)> done) {
  const bool underWay = static_cast<bool>(saveDone_);
  saveDone_ = std::move(done);
  if (underWay) return;
  toSave_ = {true, true};
  saveAgain();
}

void ScoreLists::saveAgain() {
  for (std::size_t i = 0; i < models_.size(); ++i) {
    if (!toSave_[i]) continue;
    ++saving_;
    models_[i]->save([this, i](const scores::ScoreStore::Saved& result) {
      results_[i].ok = result.ok;
      results_[i].reason = result.reason;
      // Judged once the rows that waited for the save are in too.
      if (--saving_ == 0) QMetaObject::invokeMethod(&calls_, [this] { saved(); }, Qt::QueuedConnection);
    });
  }
}

void ScoreLists::saved() {
  // Taken over by a save here and now.
  if (!saveDone_) return;
  const auto finish = [this](bool mayClose) {
    toSave_ = {};
    std::exchange(saveDone_, {})(mayClose);
  };
  std::string failures;
  for (std::size_t i = 0; i < models_.size(); ++i) {
    if (!toSave_[i]) continue;
    if (!results_[i].ok) {
      failures += fileAndReason(lists_[i]->path(), results_[i].reason) + "\n";
      continue;
    }
    // A row recorded or removed while it saved: once more, so that the file has it.
    toSave_[i] = !models_[i]->saved();
  }
  if (failures.empty()) {
    if (toSave_[0] || toSave_[1]) {
      saveAgain();
    } else {
      finish(true);
    }
    return;
  }
  askAfterFailedSave(failures, [this, finish](AfterFailedSave answer) {
    // A quit by a signal ended the question: it saves here and now instead.
    if (!saveDone_ || !fw::userCanBeAsked()) return;
    switch (answer) {
      case AfterFailedSave::TryAgain:
        for (std::size_t i = 0; i < models_.size(); ++i) toSave_[i] = toSave_[i] || !models_[i]->saved();
        saveAgain();
        return;
      case AfterFailedSave::CloseWithoutSaving: finish(true); return;
      case AfterFailedSave::BackToTheGame: finish(false); return;
    }
  });
}

void ScoreLists::saveHere() {
  saveDone_ = {};
  // A save that was under way is done, and not done again.
  std::array<std::uint64_t, 2> savesBefore{};
  for (std::size_t i = 0; i < models_.size(); ++i) {
    savesBefore[i] = models_[i]->saves();
    models_[i]->finishStepsHere();
  }
  std::string failures;
  // Side by side: at millions of rows each takes a good part of a second.
  for (std::size_t i = 0; i < models_.size(); ++i) {
    if (models_[i]->saves() != savesBefore[i] && models_[i]->saved()) continue;
    models_[i]->save([this, i, &failures](const scores::ScoreStore::Saved& saved) {
      if (!saved.ok) failures += fileAndReason(lists_[i]->path(), saved.reason) + "\n";
    });
  }
  for (ScoreListModel* model : models_) model->finishStepsHere();
  if (failures.empty()) return;
  std::fprintf(stderr, "veltrano: %s\n%s",
               tr("the scores could not be saved; the files keep what they had.").toLocal8Bit().constData(),
               failures.c_str());
}

void ScoreLists::record(game::Mode mode, const std::string& name, const std::string& score, std::function<void()> then) {
  const scores::ScoreList& list = mode == game::Mode::Standard ? standard_ : expert_;
  const auto recorded = [&list, then = std::move(then)](const scores::ScoreStore::Recorded& outcome) {
    if (!outcome.inFile) {
      const std::string& path = list.path();
      tell(tr("Your score is kept only in the list for now.").toStdString(),
           //: %1 is why the score could not be added to a file.
           (path.empty() ? fill(tr("It could not be added to a file: %1."), {said(outcome.reason)})
                         : fill(
                               //: %1 is the score list's file, %2 why the score could not be added to it.
                               tr("It could not be added to %1: %2."), {path, said(outcome.reason)})) +
               (outcome.savedAtClose ? "\n\n" + tr("The game tries again to save the list when it closes.").toStdString() : ""));
    }
    if (then) then();
  };
  try {
    model(mode).record(name, score, recorded);
  } catch (const std::bad_alloc&) {
    tell(tr("Your score could not be recorded.").toStdString(),
         tr("There is not enough memory to add it to the list.").toStdString());
  }
}

}  // namespace ui
