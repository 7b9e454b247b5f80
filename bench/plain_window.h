// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The yardstick for the game's start-up: a main window of the game window's
// size and menus, empty or holding as many plain widgets of each kind as the
// game window.

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

inline void addPlainWidgets(QWidget* content) {
  int n = 0;
  const auto place = [&n](QWidget* w) {
    w->setGeometry(10 + (n % 10) * 88, 10 + (n / 10) * 60, 80, 50);
    ++n;
  };
  for (int i = 0; i < 18; ++i) place(new QLineEdit(content));
  for (int i = 0; i < 6; ++i) place(new QPushButton("Button", content));
  for (int i = 0; i < 11; ++i) place(new QLabel("Label", content));
  for (int i = 0; i < 6; ++i) place(new QRadioButton("Radio", content));
  place(new QCheckBox("Check", content));
  for (int i = 0; i < 3; ++i) place(new QComboBox(content));
  for (int i = 0; i < 2; ++i) place(new QTableView(content));
  for (int i = 0; i < 2; ++i) place(new QGroupBox("Group", content));
  for (int i = 0; i < 27; ++i) place(new QFrame(content));
}

inline void showPlainWindow(QMainWindow& window, bool widgets) {
  window.setWindowTitle(widgets ? "Baseline widgets" : "Baseline empty");
  window.menuBar()->addMenu("&File")->addAction("Quit");
  window.menuBar()->addMenu("&Edit")->addAction("Copy");
  auto* content = new QWidget;
  if (widgets) addPlainWidgets(content);
  window.setCentralWidget(content);
  window.resize(902, 673 + window.menuBar()->sizeHint().height());
  window.show();
}
