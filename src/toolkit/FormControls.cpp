#include "FormControls.h"

#include <QKeyEvent>

void TEdit::Clear()
{
    clear();
    m_record.reset();
}

void TComboBox::keyPressEvent(QKeyEvent* e)
{
    TmqComboBox::keyPressEvent(e);
    // In a box the user types into, Delete deletes a character, not the whole choice.
    if (e->key() == Qt::Key_Delete && !isEditable()) setCurrentIndex(-1);
    Q_EMIT Changed();
}

TDBGrid::TDBGrid(QWidget* parent) : TmqDBGrid(parent) { setSelectionBehavior(QAbstractItemView::SelectRows); }
