#include "platform/ui/TColumn.h"

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBGridColumns.h"

#include <QFontMetrics>

TColumn::TColumn(TDBGridColumns* collection) : m_collection(collection) {}

int TColumn::Index() const {
    return m_collection->IndexOf(this);
}

void TColumn::SetFieldName(const QString& name) {
    m_fieldName = name;
    Changed();
}

TField* TColumn::Field() const {
    TDataSet* dataSet = m_collection->Grid()->DataSet();
    return dataSet && !m_fieldName.isEmpty() ? dataSet->FindField(m_fieldName) : nullptr;
}

QString TColumn::TitleCaption() const {
    if (m_titleCaption)
        return *m_titleCaption;
    TField* field = Field();
    return field ? field->DisplayLabel() : m_fieldName;
}

void TColumn::SetTitleCaption(const QString& caption) {
    m_titleCaption = caption;
    Changed();
}

QFont TColumn::TitleFont() const {
    return m_titleFont.value_or(m_collection->Grid()->TitleFont());
}

void TColumn::SetTitleFont(const QFont& font) {
    m_titleFont = font;
    Changed();
}

int TColumn::Width() const {
    if (m_width)
        return *m_width;
    TField* field = Field();
    const QFontMetrics metrics(Font());
    const int chars = field ? field->DisplayWidth() : 10;
    return std::max(metrics.horizontalAdvance(TitleCaption()), chars * metrics.averageCharWidth()) + 4;
}

void TColumn::SetWidth(int width) {
    m_width = width;
    Changed();
}

TAlignment TColumn::Alignment() const {
    if (m_alignment)
        return *m_alignment;
    TField* field = Field();
    return field ? field->Alignment() : taLeftJustify;
}

void TColumn::SetAlignment(TAlignment alignment) {
    m_alignment = alignment;
    Changed();
}

bool TColumn::Visible() const {
    if (m_visible)
        return *m_visible;
    TField* field = Field();
    return !field || field->Visible();
}

void TColumn::SetVisible(bool visible) {
    m_visible = visible;
    Changed();
}

QFont TColumn::Font() const {
    return m_font.value_or(m_collection->Grid()->Font());
}

void TColumn::SetFont(const QFont& font) {
    m_font = font;
    Changed();
}

void TColumn::SetColor(const QColor& color) {
    m_color = color;
    Changed();
}

void TColumn::Changed() {
    m_collection->Changed();
}
