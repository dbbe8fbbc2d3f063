#pragma once
// The system clipboard by format number, as the picture classes use it.
// Formats registered by name get numbers from $C000 up (the same name, the
// same number) and travel under the MIME type Qt gives a native format of
// that name. The bitmap format carries a bitmap file here and an image on
// the system clipboard. Between Open and Close every format set is gathered
// and put on the clipboard together, replacing what was there.

#include "platform/graphics/TGraphic.h"

#include <QByteArray>
#include <QMimeData>
#include <QString>
#include <memory>

class TClipboard {
public:
    static TClipboard& Instance();

    static unsigned RegisterFormat(const QString& name);
    // The name of a registered format; empty for others.
    static QString FormatName(unsigned format);

    void Open();
    void Close();
    void Clear();
    bool HasFormat(unsigned format) const;
    // The bytes of a format; empty when it is not there.
    QByteArray GetAsHandle(unsigned format) const;
    void SetAsHandle(unsigned format, const QByteArray& data);
    // Puts a picture on the clipboard in its own format.
    void Assign(const TGraphic& graphic);

private:
    TClipboard() = default;
    static QString MimeType(unsigned format);

    int m_openCount = 0;
    std::unique_ptr<QMimeData> m_pending;
};
