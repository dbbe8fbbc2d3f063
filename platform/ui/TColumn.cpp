#include "platform/ui/TColumn.h"

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBGridColumns.h"

#include <QFontMetrics>

TColumn::TColumn(TDBGridColumns* collection) : m_collection(collection) {}

void TColumn::Assign(const TColumn& other) {
    m_fieldName = other.m_fieldName;
    m_titleCaption = other.m_titleCaption;
    m_titleFont = other.m_titleFont;
    m_width = other.m_width;
    m_alignment = other.m_alignment;
    m_visible = other.m_visible;
    m_font = other.m_font;
    m_color = other.m_color;
    m_readOnly = other.m_readOnly;
    Changed();
}

int TColumn::Index() const {
    return m_collection->IndexOf(this);
}

void TColumn::SetFieldName(const QString& name) {
    m_fieldName = name;
    Changed();
}

TField* TColumn::Field() const {
    const TDBGrid* grid = m_collection->Grid();
    TDataSet* dataSet = grid ? grid->DataSet() : nullptr;
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
    if (m_titleFont || !m_collection->Grid())
        return m_titleFont.value_or(QFont());
    return m_collection->Grid()->TitleFont();
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
    if (m_font || !m_collection->Grid())
        return m_font.value_or(QFont());
    return m_collection->Grid()->Font();
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
