#pragma once

#include "ProjectDocument.h"

#include <QString>

// What the File commands need from the window: the design as a project document, a way to
// show an opened one, the reset, and the caption.
class DocumentView
{
public:
    virtual ~DocumentView() = default;

    virtual ProjectDocument currentDocument() const = 0;
    // Puts an opened document into the form, results and report included.
    virtual void showDocument(const ProjectDocument &document) = 0;
    virtual void ClearData() = 0;
    virtual void setCaption(const QString &caption) = 0;
};
