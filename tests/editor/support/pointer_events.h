#pragma once
// The mouse as the window system delivers it, to the window a widget stands in: the application
// then knows which buttons are held, as it does while a hand holds them. And a choice from a
// combo box's list, made as a hand makes it.
#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "editor/support/widget_events.h"

namespace brolt::testing {

inline QPoint InWindow(QWidget* widget, QPoint at) { return widget->mapTo(widget->window(), at); }

inline void PointerPress(QWidget* widget, QPoint at) {
  QTest::mousePress(widget->window()->windowHandle(), Qt::LeftButton, {}, InWindow(widget, at));
}

inline void PointerMove(QWidget* widget, QPoint at) {
  QTest::mouseMove(widget->window()->windowHandle(), InWindow(widget, at));
}

inline void PointerRelease(QWidget* widget, QPoint at) {
  QTest::mouseRelease(widget->window()->windowHandle(), Qt::LeftButton, {}, InWindow(widget, at));
}

// Opens the box's list with a click on its arrow, moves down the list to the entry and clicks that;
// false when the list did not come up or holds no such entry.
inline bool ChooseWithMouse(QComboBox* box, const QString& entry) {
  QStyleOptionComboBox look;
  look.initFrom(box);
  look.editable = box->isEditable();
  QTest::mouseClick(box, Qt::LeftButton, {},
                    box->style()->subControlRect(QStyle::CC_ComboBox, &look, QStyle::SC_ComboBoxArrow, box).center());
  QAbstractItemView* list = box->view();
  if (!QTest::qWaitFor([&] { return list->isVisible(); }, 2000) || box->findText(entry) < 0) return false;
  // The entry scrolled into the list's view, the pointer on it where the list shows it.
  const QModelIndex index = list->model()->index(box->findText(entry), 0);
  list->scrollTo(index);
  const QPoint at(list->viewport()->width() / 2, list->visualRect(index).center().y());
  SendMouse(list->viewport(), QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  return true;
}

}  // namespace brolt::testing
