#include "helpdlgmodel.h"

#include "database.h"

#include <algorithm>

const std::string& HelpDlgModel::BuiltInText() {
    // ™ is 0x99, ® 0xAE, © 0xA9. The headings carry colons that the help field removes.
    static const std::string text = "Velnor\x99\r\n"
                                    "Capillary Tube Selection Software\r\n"
                                    "Copyright \xA9 2005 Kestrin\r\n"
                                    "\r\n"
                                    "\r\n"
                                    "Introduction:\r\n"
                                    "\r\n"
                                    "The program Velnor\x99 suggests the capillary tube length "
                                    "on a refrigeration\r\n"
                                    "system. Furthermore it will be possible to print out the "
                                    "results.\r\n"
                                    "\r\n"
                                    "\r\n"
                                    "Installation and requirements:\r\n"
                                    "\r\n"
                                    "The Velnor\x99 software can be installed from harddisk, "
                                    "network drive, or CDROM.\r\n"
                                    "Setup will ask you for destination directory and will be "
                                    "used for installation\r\n"
                                    "and later de-installation, if needed. De-installation "
                                    "removes the software again,\r\n"
                                    "completely, and very accurate, according to our "
                                    "experience.\r\n"
                                    "\r\n"
                                    "\r\n"
                                    "System requirements:\r\n"
                                    "\r\n"
                                    "Min. 200 MHz Pentium\xAE or compatible\r\n"
                                    "32 MB RAM min., 64 MB recommended\r\n"
                                    "15 MB harddisk space\r\n"
                                    "Microsoft Windows 95\xAE, 98, ME, XP, NT 4.0, 2000 or "
                                    "newer\r\n"
                                    "\r\n"
                                    "\r\n";
    return text;
}

const std::string& HelpDlgModel::DisclaimerText() {
    static const std::string text =
        "Disclaimer:\r\n"
        "\r\n"
        "Kestrin accepts no responsibility for possible errors in the VELNOR program.\r\n"
        "Kestrin reserves the right to alter its products without notice.\r\n"
        "All trademarks in this material are the property of their respective companies.\r\n"
        "Kestrin and the Kestrin logotype are trademarks of the Kestrin Group. All rights "
        "reserved.\r\n";
    return text;
}

std::string HelpDlgModel::ComposeText(const HelpText& help) {
    if (help.nHelpLines <= 0)
        return BuiltInText();
    const int lines = std::min(help.nHelpLines, kMaxHelpRows);
    std::string text;
    for (int i = 0; i < lines; ++i) {
        // A row is at most kHelpRowLength characters; its terminator is not trusted.
        const char* row = help.szHelp[i];
        text.append(row, std::find(row, row + sizeof help.szHelp[i], '\0'));
        text += "\r\n";
    }
    return text;
}
