// The web addresses the program knows by heart: its home site and the
// default web folders of the delivered pictures.
#pragma once

namespace sites {

// Host of the program's home site (the "more" links open pages there).
inline constexpr char kHomeSiteHost[] = "www.tarnwell.net";
// Host of the public smilies site whose /smiliespic/ folder mirrors pics/.
inline constexpr char kSmiliesHost[] = "smilies.tarnwell.net";
// Web folder of the download buttons, as delivered in zqLink/Links.dat.
inline constexpr char kDefaultLinkSite[] = "http://www.tarnwell.net/zqlink/";
// Web folder of the borders, as delivered in Border/BordSite.dat.
inline constexpr char kDefaultBorderSite[] = "http://www.tarnwell.net/zqborders/";

} // namespace sites
