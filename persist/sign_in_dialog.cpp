#include "persist/sign_in_dialog.h"

#include "displays/classic_colours.h"
#include "displays/grow_to_fit_texts.h"
#include "displays/table_font.h"
#include "persist/registry_key.h"
#include "platform/translated_text.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

namespace quintaro {

namespace {

struct SignInControl {
    int left;
    int top;
    int width;
    int height;
    int fontPixels;
    const char* text;
    const char* help;
};

struct SignInLayout {
    int width;
    int height;
    const char* title;
    SignInControl welcome;
    SignInControl note;
    SignInControl name;
    SignInControl ok;
};

constexpr SignInLayout signInLayout{
    320,
    150,
    QUINTARO_TEXT("Sign in", "Please Sign In"),
    {0, 8, 320, 26, 24, QUINTARO_TEXT("Sign in", "Welcome to the Casino!"), ""},
    {31, 47, 258, 40, 12,
     QUINTARO_TEXT("Sign in",
                   "You will be provided with $100 to play.  Please enter your name below."),
     ""},
    {31, 90, 258, 24, 12, "",
     QUINTARO_TEXT("Sign in", "Enter your name here.  It will be used for the high score tables.")},
    {125, 125, 70, 20, 12, QUINTARO_TEXT("Sign in", "OK"),
     QUINTARO_TEXT("Sign in", "Click OK when you have entered your name in the above field.")},
};

// Refuses any edit that would make the text longer than the registry reads back.
class Utf8ByteLimit : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        const auto bytes = static_cast<std::size_t>(input.toUtf8().size());
        return bytes < RegistryKey::readBufferSize ? Acceptable : Invalid;
    }
};

void place(QWidget* widget, const SignInControl& control) {
    widget->setGeometry(control.left, control.top, control.width, control.height);
    widget->setFont(dialogFont(control.fontPixels));
    widget->setWhatsThis(QCoreApplication::translate("Sign in", control.help));
}

} // namespace

SignInDialog::SignInDialog(QWidget* parent, const QString& playerName)
    : CenteredDialog(parent),
      m_welcome(
          new QLabel(QCoreApplication::translate("Sign in", signInLayout.welcome.text), this)),
      m_note(new QLabel(QCoreApplication::translate("Sign in", signInLayout.note.text), this)),
      m_name(new QLineEdit(this)),
      m_ok(new QPushButton(QCoreApplication::translate("Sign in", signInLayout.ok.text), this)) {
    setFixedSize(signInLayout.width, signInLayout.height);
    setWindowTitle(QCoreApplication::translate("Sign in", signInLayout.title));
    // The casino's welcome reads like the game's other classic dialogs.
    useClassicSurface(*this);

    place(m_welcome, signInLayout.welcome);
    m_welcome->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(m_note, signInLayout.note);
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_note->setWordWrap(true);

    place(m_name, signInLayout.name);
    m_name->setValidator(new Utf8ByteLimit(m_name));
    m_name->setText(playerName);
    m_name->setFocus();

    place(m_ok, signInLayout.ok);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    growToFitTexts(*this);
}

QString SignInDialog::playerName() const {
    return m_name->text();
}

} // namespace quintaro
