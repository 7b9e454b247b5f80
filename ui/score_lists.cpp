// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/score_lists.h"

#include <chrono>
#include <cstdio>
#include <new>
#include <system_error>
#include <string>
#include <vector>

#include "framework/window/application.h"
#include "framework/window/message_dialog.h"

namespace ui {

namespace {

void tell(const std::string& message, const std::string& explanation) {
  fw::MessageDialog dialog;
  dialog.icon = fw::MessageDialog::Icon::Caution;
  dialog.message = message;
  dialog.explanation = explanation;
  dialog.cancelVisible = false;
  dialog.showModal();
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

// The work's result to come from a thread of its own, or where no thread can
// be had (memory runs short), from the work done when the result is asked for.
template <class Work>
auto inThreadIfPossible(Work work) {
  try {
    return std::async(std::launch::async, work);
  } catch (const std::system_error&) {
    return std::async(std::launch::deferred, work);
  }
}

enum class AfterFailedSave { TryAgain, CloseWithoutSaving, BackToTheGame };

AfterFailedSave askAfterFailedSave(const std::string& failures) {
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
  switch (dialog.showModal()) {
    case fw::MessageDialog::Button::Action: return AfterFailedSave::TryAgain;
    case fw::MessageDialog::Button::Alternate: return AfterFailedSave::CloseWithoutSaving;
    case fw::MessageDialog::Button::Cancel: break;
  }
  return AfterFailedSave::BackToTheGame;
}

}  // namespace

ScoreLists::ScoreLists(const std::string& folder)
    : standard_(folder, scores::kStandardFile),
      expert_(folder, scores::kExpertFile),
      kept_{Kept{standard_, standardModel_, inThreadIfPossible([this] { standard_.load(); })},
            Kept{expert_, expertModel_, inThreadIfPossible([this] { expert_.load(); })}} {}

// A window closed before it showed its lists still waits for the reading, which uses the lists.
ScoreLists::~ScoreLists() {
  for (Kept& each : kept_) {
    if (each.reading.valid()) each.reading.wait();
  }
}

void ScoreLists::show(fw::ListBox& standardList, fw::ListBox& expertList) {
  standardList.setModel(&standardModel_);
  expertList.setModel(&expertModel_);
}

void ScoreLists::showRowsOnceRead() {
  // Lists of millions of rows take a moment to read: the window is drawn meanwhile.
  const auto read = [](const std::future<void>& reading) {
    return reading.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
  };
  if (!read(kept_[0].reading) || !read(kept_[1].reading)) {
    fw::runWithoutFreezing([this] {
      for (Kept& each : kept_) each.reading.wait();
    });
  }
  for (Kept& each : kept_) {
    each.reading.get();
    each.model.showRows();
  }
}

void ScoreLists::tellLoadProblems() const {
  if (standard_.path().empty()) {
    tell(tr("The score lists cannot be kept in files.").toStdString(),
         tr("Neither XDG_CONFIG_HOME nor HOME names a folder for them by its full path, so the game writes no "
            "file. Until it is started again with one of them set, scores recorded are kept in the lists only.")
             .toStdString());
    return;
  }
  for (const scores::ScoreList* list : {&standard_, &expert_}) {
    if (list->problem().empty()) continue;
    tell(tr("A score list could not be read.").toStdString(),
         fileAndReason(list->path(), list->problem()) + "\n\n" +
             tr("The file is left exactly as it is. Until the game is started again, scores recorded in this "
                "list are kept in the list only, not in the file.")
                 .toStdString());
  }
}

std::array<scores::ScoreStore::Saved, 2> ScoreLists::saveFiles(const std::array<bool, 2>& toSave) {
  // Side by side: at millions of rows each takes a good part of a second.
  std::array<scores::ScoreStore::Saved, 2> results;
  fw::runWithoutFreezing([&] {
    std::array<std::future<scores::ScoreStore::Saved>, 2> saving;
    for (std::size_t i = 0; i < kept_.size(); ++i) {
      if (toSave[i]) saving[i] = inThreadIfPossible([&list = kept_[i].list] { return list.saveToFile(); });
    }
    for (std::size_t i = 0; i < kept_.size(); ++i) {
      if (toSave[i]) results[i] = saving[i].get();
    }
  });
  return results;
}

bool ScoreLists::save() {
  std::array<bool, 2> toSave{true, true};
  for (;;) {
    std::array<scores::ScoreStore::Saved, 2> results = saveFiles(toSave);
    std::string failures;
    for (std::size_t i = 0; i < kept_.size(); ++i) {
      if (!toSave[i]) continue;
      if (!results[i].ok) {
        failures += fileAndReason(kept_[i].list.path(), results[i].reason) + "\n";
        continue;
      }
      toSave[i] = false;
      // What was written is the list now, so that the next save starts from it.
      kept_[i].model.takeIn(std::move(results[i].others));
    }
    if (failures.empty()) return true;
    if (!fw::playerCanBeAsked()) {
      std::fprintf(stderr, "veltrano: %s\n%s",
                   tr("the scores could not be saved; the files keep what they had.").toLocal8Bit().constData(),
                   failures.c_str());
      return true;
    }
    switch (askAfterFailedSave(failures)) {
      case AfterFailedSave::TryAgain: break;
      case AfterFailedSave::CloseWithoutSaving: return true;
      case AfterFailedSave::BackToTheGame:
        // A signal may have ended the question; then nobody is there to go back.
        if (!fw::playerCanBeAsked()) break;
        return false;
    }
  }
}

void ScoreLists::record(game::Mode mode, const std::string& name, const std::string& score) {
  scores::ScoreList& list = mode == game::Mode::Standard ? standard_ : expert_;
  try {
    model(mode).addRow(name, score);
  } catch (const std::bad_alloc&) {
    tell(tr("Your score could not be recorded.").toStdString(),
         tr("There is not enough memory to add it to the list.").toStdString());
    return;
  }
  // Taking the file's lock may wait for another game, and a file that
  // another game changed may be counted through: not on the window's thread.
  fw::Reason reason;
  bool inFile = false;
  fw::runWithoutFreezing([&] { inFile = list.addToFile(name, score, &reason); });
  if (!inFile) {
    const bool retried = list.problem().empty();
    const std::string& path = list.path();
    tell(tr("Your score is kept only in the list for now.").toStdString(),
         //: %1 is why the score could not be added to a file.
         (path.empty() ? fill(tr("It could not be added to a file: %1."), {said(reason)})
                       : fill(
                             //: %1 is the score list's file, %2 why the score could not be added to it.
                             tr("It could not be added to %1: %2."), {path, said(reason)})) +
             (retried ? "\n\n" + tr("The game tries again to save the list when it closes.").toStdString() : ""));
  }
}

}  // namespace ui
