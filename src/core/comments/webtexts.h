#pragma once

#include "core/program/programidentity.h"

#include <QCoreApplication>
#include <QString>

// The texts of the web and information windows, shared by the windows and their messages.
namespace WebTexts {

// The title of every message about the comments request.
inline QString webTitle()
{
    return fullProgramTitle();
}

inline QString unableToConnect()
{
    //: %1 is the program's full title.
    return QCoreApplication::translate(
               "WebTexts", "%1 was unable to connect to the internet.  Please connect manually and "
                           "then try again.")
        .arg(fullProgramTitle());
}

inline QString nothingEntered()
{
    return QCoreApplication::translate(
        "WebTexts", "You have not entered any information.  Please enter either a comment "
                    "or suggestion into the space provided.");
}

inline QString sendingFailed()
{
    //: %1 is the organisation's name.
    return QCoreApplication::translate(
               "WebTexts",
               "There was a problem sending your information to %1.  Please check you are "
               "connected to the internet correctly, and if the problem persists, try "
               "again later.")
        .arg(organisationName());
}

inline QString sent()
{
    //: %1 is the organisation's name.
    return QCoreApplication::translate(
               "WebTexts",
               "Your comments and suggestions have been sent to %1.  Thank you very much "
               "for your input.")
        .arg(organisationName());
}

inline QString introduction()
{
    //: %1 is the organisation's name.
    return QCoreApplication::translate(
               "WebTexts",
               "%1 welcomes any comments and suggestions from its users.  Please fill in "
               "the boxes below and click on send.  This service is completely "
               "anonymous.")
        .arg(organisationName());
}

// The introduction once a request has run: its last sentence is not put back.
inline QString introductionAfterSend()
{
    //: %1 is the organisation's name.
    return QCoreApplication::translate(
               "WebTexts",
               "%1 welcomes any comments and suggestions from its users.  Please fill in "
               "the boxes below and click on send.")
        .arg(organisationName());
}

inline QString waiting()
{
    //: %1 is the organisation's name.
    return QCoreApplication::translate(
               "WebTexts", "Please wait while your information is being sent to the %1 website...")
        .arg(organisationName());
}

inline QString sysInfoUnavailable()
{
    return QCoreApplication::translate(
        "WebTexts", "System Information is currently unavailable.  Please try again later.");
}

} // namespace WebTexts
