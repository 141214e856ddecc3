#pragma once

#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>

namespace velmora {

class InterfaceTexts;

// Builds a caption the way the menu's fixed-width strings grow: the first piece, then each
// further piece appended and the whole cut to the next width, so `cuts` has one width fewer
// than there are pieces. A CR (byte 13) inside a caption is a line break.
std::string GrowingText(std::initializer_list<std::string_view> pieces,
                        std::initializer_list<size_t> cuts);

// A caption's bytes as the screen shows them: decoded, with CR as a line break.
QString CaptionText(std::string_view bytes);

// The window title of the vocational screens: interface text 338, a blank and the school's name.
QString VocationalWindowTitle(const InterfaceTexts& texts, const QString& schoolName);

// Every caption and hint of the main menu, the configuration panel and the courses panel,
// built once from the text slots.
struct MenuTexts {
    QString carreras, cat, fpS, iti, fpm, fpip, curEsp, profe, cuesB, cuesE, config, asistente,
        dejar;
    QString centro;  // the school name
    QString ano;     // "2020/21"
    QString retroce;
    QString bocadillo1, bocadillo2;
    QString ayu[5];

    QString hintCarreras, hintCat, hintFpS, hintFpm, hintCuesB, hintCuesE, hintIti, hintFpip,
        hintProfe, hintDejar;

    // Configuration panel.
    QString idioma, animacion, reiniciar, si, no, grabar, retroConf, configTitle;

    // Courses panel.
    QString espeTitle;  // RxLabelEspe
    QString espeYear;   // RxLabelAno: the school name + " - " + "2020/21"
    QString retroEspe;
    QString rejaFamily, rejaCourse, reja2Course;
};

inline constexpr std::string_view kSchoolYear = "2020/21";

MenuTexts BuildMenuTexts(const InterfaceTexts& texts, const QString& schoolName,
                         bool animationEnabled);

}  // namespace velmora
