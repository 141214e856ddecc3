#include "ui/shared/rich_text_box.h"

#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>

#include "core/shared/rich_text.h"
#include "ui/shared/look.h"
#include "ui/shared/screen_parts.h"

namespace velmora {

void ShowRichText(QTextEdit* box, const RichText& text) {
    box->clear();
    QTextDocument* document = box->document();
    document->setDefaultFont(ArialFont(text.pointSize));
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QTextList* list = nullptr;  // the bulleted list the latest bullets joined
    bool first = true;
    for (const RichParagraph& paragraph : text.paragraphs) {
        if (!first) cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        first = false;
        if (paragraph.bullet) {
            if (list) {
                list->add(cursor.block());
            } else {
                QTextListFormat bullets;
                bullets.setStyle(QTextListFormat::ListDisc);
                list = cursor.createList(bullets);
            }
        } else {
            list = nullptr;
        }
        for (const RichRun& run : paragraph.runs) {
            QTextCharFormat format;
            format.setFont(ArialFont(text.pointSize, run.bold));
            format.setForeground(ToQColor(run.colour));
            cursor.insertText(run.text, format);
        }
    }
    cursor.endEditBlock();
    box->moveCursor(QTextCursor::Start);
    box->verticalScrollBar()->setValue(0);
}

QTextEdit* MakeRichBox(QWidget* parent, const char* name, QRect geometry, int points) {
    auto* box = new QTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    box->setReadOnly(true);
    box->setFont(ArialFont(points));
    Paint(box, PaletteColour::LightPeach);
    return box;
}

}  // namespace velmora
