#pragma once

namespace fd9 {

// The wording that names the method's guide and the makers. Neutral on purpose: the program
// is credited to its own developers only.
inline const char* const GuideTitleLine1 = "A DESIGN GUIDE TO THE";
inline const char* const GuideTitleLine2 = "STRUCTURAL FIRE ENGINEERING OF CONCRETE";
inline const char* const GuideTitle =
    "A Design Guide to the Structural Fire Engineering of Concrete Floor Systems";
inline const char* const MakerNames = "the FD9 developers";
inline const char* const AuthorLine = "The FD9 development team";
inline const char* const PostalAddress = "Postal address on request\nfrom the FD9 development team";

inline const char* const DisclaimerText =
    "While this software has been developed in good faith, the FD9 developers accept no "
    "responsibility for the resulting data nor for any designs undertaken using this software.";

inline const char* const AboutBoxText =
    "This software follows the fire engineering design method described in "
    "A Design Guide to the Structural Fire Engineering of Concrete Floor Systems.\n\n"
    "Contact: The FD9 development team\n"
    "Postal address on request from the FD9 development team\n"
    "Fax: none\n"
    "E-mail: fd9@example.invalid";

}  // namespace fd9
