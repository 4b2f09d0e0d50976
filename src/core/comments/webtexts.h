#pragma once

#include "core/program/programidentity.h"

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
    return fullProgramTitle() +
           QStringLiteral(" was unable to connect to the internet.  Please connect manually and "
                          "then try again.");
}

inline QString nothingEntered()
{
    return QStringLiteral("You have not entered any information.  Please enter either a comment "
                          "or suggestion into the space provided.");
}

inline QString sendingFailed()
{
    return QStringLiteral("There was a problem sending your information to ") + organisationName() +
           QStringLiteral(
               ".  Please check you are connected to the internet correctly, and if the problem "
               "persists, try again later.");
}

inline QString sent()
{
    return QStringLiteral("Your comments and suggestions have been sent to ") + organisationName() +
           QStringLiteral(".  Thank you very much for your input.");
}

inline QString introduction()
{
    return organisationName() +
           QStringLiteral(" welcomes any comments and suggestions from its users.  "
                          "Please fill in the boxes below and click on send.  This service is "
                          "completely anonymous.");
}

// The introduction once a request has run: its last sentence is not put back.
inline QString introductionAfterSend()
{
    return organisationName() +
           QStringLiteral(" welcomes any comments and suggestions from its users.  "
                          "Please fill in the boxes below and click on send.");
}

inline QString waiting()
{
    return QStringLiteral("Please wait while your information is being sent to the ") +
           organisationName() + QStringLiteral(" website...");
}

inline QString sysInfoUnavailable()
{
    return QStringLiteral("System Information is currently unavailable.  Please try again later.");
}

} // namespace WebTexts
