// Prints docs/contrast.md: every fixed text colour of the windows, as it is
// shown under a light, a dark and a high-contrast theme, and how it reads.
//   contrasttable > docs/contrast.md

#include "contrast.h"

#include <QTextStream>

namespace {

struct Theme
{
    const char *name;
    QColor window, base, text;
};

enum class On { Base, Window, Button, Fixed };

struct Text
{
    const char *what;
    QColor colour; // invalid: the theme's own text colour
    On on;
    QColor background; // for On::Fixed
};

QString hex(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

} // namespace

int main()
{
    const QList<Theme> themes = {
        {"light (Fusion)", QColor(239, 239, 239), Qt::white, Qt::black},
        {"dark", QColor(53, 53, 53), QColor(42, 42, 42), Qt::white},
        {"high contrast", Qt::black, Qt::black, Qt::white},
    };
    const QColor yellow(255, 255, 0), navy(16, 32, 80), grey(224, 224, 224), paleCyan(192, 255, 255),
        face(212, 208, 200), blue(Qt::blue), darkRed(192, 0, 0);
    const QList<Text> texts = {
        {"IMPORTO, IMPORTO_ABC: blue", blue, On::Base, {}},
        {"BENEFICIARIO: dark red", darkRed, On::Base, {}},
        {"BANCA, on its button face: dark red", darkRed, On::Button, {}},
        {"a field with the focus: blue on yellow", blue, On::Fixed, yellow},
        {"a field with the focus: dark red on yellow", darkRed, On::Fixed, yellow},
        {"a field with the focus: the theme's text on yellow", {}, On::Fixed, yellow},
        {"web address: blue on the logo's gradient", blue, On::Fixed, QColor(60, 106, 174)},
        {"banner: cyan on navy", QColor(0, 255, 255), On::Fixed, navy},
        {"banner: yellow on navy", yellow, On::Fixed, navy},
        {"calibration hint: dark grey on grey", QColor(64, 64, 64), On::Fixed, grey},
        {"calibration hint: red on grey", QColor(255, 0, 0), On::Fixed, grey},
        {"calibration field: blue on pale cyan", blue, On::Fixed, paleCyan},
        {"calibration field: dark red on pale cyan", darkRed, On::Fixed, paleCyan},
        {"list header: black on its face", Qt::black, On::Fixed, face},
    };

    QTextStream out(stdout);
    out << "# Contrast of the fixed text colours\n\n"
           "Printed by `tools/shots/contrasttable`. Each cell: the colour shown, and its contrast on its\n"
           "background (WCAG 2; 4.5:1 is the minimum for text). On the default light theme the colours\n"
           "are the program's own, exactly; on any other theme a colour below 4.5:1 is shown as the\n"
           "nearest colour of the same hue that reaches it (`Contrast::shown`, src/contrast). The fixed\n"
           "backgrounds (yellow, navy, the logo, the calibration window's grey) are the same under every\n"
           "theme.\n\n"
           "| text |";
    for (const Theme &t : themes)
        out << ' ' << t.name << " |";
    out << "\n|---|";
    for (qsizetype i = 0; i < themes.size(); ++i)
        out << "---|";
    out << '\n';
    for (const Text &text : texts) {
        out << "| " << text.what << " |";
        for (const Theme &t : themes) {
            const QColor background = text.on == On::Base ? t.base : text.on == On::Fixed ? text.background : t.window;
            const QColor colour = text.colour.isValid() ? text.colour : t.text;
            const QColor shown = Contrast::shown(colour, background, t.window, t.text);
            out << ' ' << hex(shown) << ' ' << QString::number(Contrast::ratio(shown, background), 'f', 1) << ":1 |";
        }
        out << '\n';
    }
    return 0;
}
