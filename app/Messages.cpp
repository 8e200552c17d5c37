#include "app/Messages.h"

#include "app/Form14.h"
#include "app/Form17.h"

void ShowMessage(const QString& text) {
    Form14* box = Windows::get<Form14>();
    box->setMessage(text);
    box->showModal();
}

void ShowTitledMessage(const QString& caption, const QString& text) {
    Form14* box = Windows::get<Form14>();
    const QString usual = box->windowTitle();
    box->setWindowTitle(caption);
    ShowMessage(text);
    box->setWindowTitle(usual);
}

bool AskQuestion(const QString& caption, const QString& text) {
    Form17* box = Windows::get<Form17>();
    box->setField("Edit_caozuo", QString());
    box->setWindowTitle(caption);
    box->setMessage(text);
    box->showModal();
    return box->field("Edit_caozuo") == "yes";
}
