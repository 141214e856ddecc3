#include "core/menu/menu_texts.h"

#include "core/shared/cp1252.h"
#include "core/shared/interface_texts.h"

namespace velmora {
namespace {

constexpr std::string_view kCr = "\r";

}  // namespace

std::string GrowingText(std::initializer_list<std::string_view> pieces,
                        std::initializer_list<size_t> cuts) {
    std::string text;
    auto cut = cuts.begin();
    bool first = true;
    for (std::string_view piece : pieces) {
        text += piece;
        if (!first && cut != cuts.end()) {
            if (text.size() > *cut) text.resize(*cut);
            ++cut;
        }
        first = false;
    }
    return text;
}

QString CaptionText(std::string_view bytes) {
    QString text = cp1252::Decode(bytes);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString VocationalWindowTitle(const InterfaceTexts& texts, const QString& schoolName) {
    return CaptionText(texts[338] + " " + cp1252::Encode(schoolName.trimmed()));
}

MenuTexts BuildMenuTexts(const InterfaceTexts& t, const QString& schoolName,
                         bool animationEnabled) {
    auto one = [&](int n) { return CaptionText(t[n]); };
    // Hints are plain joins: their strings have no fixed width.
    auto lines = [&](std::initializer_list<int> numbers) {
        std::string text;
        bool first = true;
        for (int n : numbers) {
            if (!first) text += kCr;
            text += t[n];
            first = false;
        }
        return text;
    };

    MenuTexts m;
    m.carreras = one(84);
    m.cat = one(103);
    m.fpS = one(513);
    m.iti = one(21);
    m.fpm = one(512);
    m.fpip = one(263);
    m.profe = CaptionText(GrowingText({t[622], " ", t[623]}, {21, 41}));
    m.cuesB = CaptionText(
        GrowingText({t[8], kCr, t[9], kCr, t[10], kCr, t[11]}, {11, 21, 22, 32, 33, 44}));
    m.cuesE = CaptionText(
        GrowingText({t[8], kCr, t[9], kCr, t[10], kCr, t[12]}, {11, 21, 22, 32, 33, 43}));
    m.asistente = one(6);
    m.config = CaptionText(GrowingText({t[121], kCr, t[396], kCr, t[606]}, {16, 26, 27, 42}));
    m.curEsp = CaptionText(GrowingText({t[514], " - ", t[572]}, {13, 48}));
    m.dejar = CaptionText(GrowingText({t[587], kCr, t[588]}, {16, 31}));
    m.centro = schoolName;
    m.ano = QString::fromLatin1(kSchoolYear.data(), static_cast<qsizetype>(kSchoolYear.size()));
    m.retroce = one(animationEnabled ? 82 : 222);
    m.bocadillo1 =
        CaptionText(GrowingText({t[264], kCr, "Velmora.", kCr, t[175], " ", kSchoolYear, "."},
                                {26, 34, 35, 45, 46, 53, 54}));
    m.bocadillo2 = CaptionText(
        GrowingText({t[16], kCr, t[265], kCr, t[266], kCr, t[267]}, {33, 58, 59, 89, 90, 115}));
    for (int i = 0; i < 5; ++i) m.ayu[i] = one(14 + i);

    m.hintCarreras = CaptionText(lines({306, 551}) + std::string(kCr));
    m.hintCat = one(224);
    m.hintFpS = CaptionText(lines({318, 316, 317}));
    m.hintFpm = CaptionText(lines({113, 154, 155, 156, 157, 158, 159}));
    m.hintCuesB = CaptionText(lines({305, 301, 302}));
    m.hintCuesE = CaptionText(t[305] + std::string(kCr) + t[509] + " " + t[510]);
    m.hintIti = CaptionText(lines({179, 180}));
    m.hintFpip = CaptionText(lines({263, 584}));
    m.hintProfe = one(641);
    m.hintDejar = one(580);

    m.idioma = one(396);
    m.animacion = one(606);
    m.reiniciar = one(607);
    m.si = one(141);
    m.no = one(140);
    m.grabar = one(608);
    m.retroConf = one(82);
    m.configTitle = one(121);

    m.espeTitle = one(572);
    m.espeYear = schoolName + QStringLiteral(" - ") + m.ano;
    m.retroEspe = one(82);
    m.rejaFamily = one(583);
    m.rejaCourse = CaptionText(GrowingText({t[175], " ", t[47]}, {~size_t{0}, 42}));
    m.reja2Course = CaptionText(GrowingText({t[175], " ", t[113]}, {~size_t{0}, 37}));
    return m;
}

}  // namespace velmora
