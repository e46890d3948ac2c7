#ifndef TOEPASSING_EIGENSCHAPPEN_VERELRICHDROPPING_H
#define TOEPASSING_EIGENSCHAPPEN_VERELRICHDROPPING_H

#include "swexternals/desktop/TrivaneRichDropping.h"

class wxRichTextCtrl;

// The drop target of a rich-text field of the properties dialog: the desktop
// library's, with pictures fitted into 100 x 100 pixels. The editor owns it.
class VerelRichDropping : public TrivaneRichDropping
{
public:
    explicit VerelRichDropping(wxRichTextCtrl* rijk);
    ~VerelRichDropping() override = default;
};

#endif
