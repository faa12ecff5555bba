// The heavy system headers most tests include (the standard library's come
// with them), precompiled once for all of them. Only headers that rarely
// change: a change here rebuilds every test. QtTest stays out, its
// definitions name each test's own folder.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QWidget>
