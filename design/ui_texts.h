// ui_texts.h: every fixed text of the windows, menus and their messages, in its exact wording,
// shared by the Qt and the Windows front ends.
#pragma once

#include <string>
#include <string_view>

namespace torvelle::ui_texts {

inline constexpr std::string_view kMainCaption = "Le jeux de Torvelle !";
inline constexpr std::string_view kScoresFrame = "SCORES :";
inline constexpr std::string_view kPlayerCaption = "Joueur :";
inline constexpr std::string_view kComputerCaption = "Ordinateur :";
inline constexpr std::string_view kBannerAtDesign = "brou";
inline constexpr std::string_view kSliderEnds = "Jeu Facile                            Difficile";
inline constexpr std::string_view kProgressCaption = "Réflexion de l'ordinateur";

inline constexpr std::string_view kMenuQuit = "&Quitter";
inline constexpr std::string_view kMenuHelp = "&?";
inline constexpr std::string_view kMenuHelpItem = "aide";
inline constexpr std::string_view kMenuAbout = "A propos";

inline constexpr std::string_view kYes = "Oui";
inline constexpr std::string_view kNo = "Non";

inline constexpr std::string_view kFarewellTitle = "Dod irud er URIVE";
inline constexpr std::string_view kQuitFarewell = "A bientot";
inline constexpr std::string_view kCloseFarewell = "A bientot !!";
// Opened and closed again when the window closes, never read nor written.
inline constexpr std::string_view kFarewellFiles[] = {"ordi_jeu", "jeujou"};

inline constexpr std::string_view kHelpTitle = "Torvelle";
inline constexpr std::string_view kHelp =
    " Salut !!\r\n"
    "Voila,  un  petit jeu  de Torvelle tout simple\r\n"
    "Il est composé d'une grille où tout se passe\r\n"
    "\r\n"
    "Pour  commencer,  il  faut placer ses  bateaux d'un simple clic \r\n"
    "dans  la  case  où  vous  voulez  un  bateau !\r\n"
    "Il y a 10 bateaux ni plus ni moins. Il ont tous la même valeur !\r\n"
    "Dès que vous avez fini de placer vos bateaux,\r\n"
    "c'est à dire dès que l'ordinateur vous le dit : le jeu commence\r\n"
    "on peut commencer à rechercher les bateaux de l'ordinateur sur la grille\r\n"
    "là aussi, un simple clic de souris à l'endroit voulu suffit.\r\n"
    "\r\n"
    " Attention : Le jeu de l'ordinateur se rêgle !!! il peut très vite \r\n"
    "être à bout de souffle et dans ce cas, il abandonne !!!!\r\n"
    "A vos postes, bonne chance !!\r\n"
    "\r\n"
    "Écrit en 1997, les soirs d'hiver, pour apprendre à programmer en jouant.\r\n"
    "Pour écrire à l'auteur : torvelle@example.org\r\n";

inline constexpr std::string_view kAboutCaption = "A propos de TORVELLE";
inline constexpr std::string_view kAboutName = "TORVELLE";
inline constexpr std::string_view kAboutVersionAtDesign = "brou";
inline constexpr std::string_view kAboutNoticeAtDesign = "brou bis";
inline constexpr std::string_view kAboutNotice = "Partagiciel : jouer souvent, c'est payer\r\n"
                                                 "        torvelle@example.org\r\n"
                                                 "\r\n"
                                                 "Copie libre et gratuite, vente interdite.\r\n"
                                                 "Tous droits réservés à l'auteur.";
// "Version 1.03 --  Le Logiciel français", CR LF, then "de Torvelle" indented: the minor
// number and the revision run together after the point.
inline std::string aboutVersionText(int major, int minor, int revision)
{
    return "Version " + std::to_string(major) + "." + std::to_string(minor) +
           std::to_string(revision) + " --  Le Logiciel français\r\n           de Torvelle";
}
inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kPayButton = "Payement";
inline constexpr std::string_view kPaymentTitle = "Pour payer Torvelle";
inline constexpr std::string_view kPayment = "Si vous jouez souvent à Torvelle,\r\n"
                                             "envoyez 20 F (ou ce que vous voudrez) à :\r\n"
                                             "Les Amis Imaginaires de Torvelle\r\n"
                                             "12, rue de Nulle-Part\r\n"
                                             "00000 Ville-Fictive\r\n"
                                             "\r\n"
                                             "Merci d'avance";

// What assistive technology reads out; a cell is described by the picture it shows,
// so a hidden computer ship reads as open sea.
inline constexpr std::string_view kCellSeen[] = {
    "votre bateau",
    "mer",
    "bateau de l'ordinateur touché",
    "tir de l'ordinateur dans l'eau",
    "votre tir dans l'eau",
    "votre bateau touché par l'ordinateur",
};
// What a screen reader is told after each click, in the board's own words.
inline constexpr std::string_view kSaidPlaced = "{cell} : votre bateau.";
inline constexpr std::string_view kSaidStillToPlace = "Encore {count} à placer.";
inline constexpr std::string_view kSaidOneShip = "1 bateau";
inline constexpr std::string_view kSaidShips = "{count} bateaux";
inline constexpr std::string_view kSaidAllPlaced =
    "Vos bateaux sont placés : le prochain clic commence le jeu.";
inline constexpr std::string_view kSaidPlayerHit = "Votre tir en {cell} : touché !";
inline constexpr std::string_view kSaidPlayerMiss = "Votre tir en {cell} : dans l'eau.";
inline constexpr std::string_view kSaidComputerHit =
    "L'ordinateur tire en {cell} : votre bateau est touché.";
inline constexpr std::string_view kSaidComputerMiss = "L'ordinateur tire en {cell} : dans l'eau.";
inline constexpr std::string_view kSaidScores = "Score : vous {player}, l'ordinateur {computer}.";
inline constexpr std::string_view kSaidNewGame = "Nouvelle partie : placez vos 10 bateaux.";
inline constexpr std::string_view kGridName = "Grille de jeu";
// A cell's default action, as Windows names a button's in French.
inline constexpr std::string_view kPressAction = "Appuyer";
inline constexpr std::string_view kPlayerScoreRole = "Score du joueur";
inline constexpr std::string_view kComputerScoreRole = "Score de l'ordinateur";
inline constexpr std::string_view kBannerRole = "Annonce du vainqueur";
inline constexpr std::string_view kSliderName = "Difficulté";

// In the browser, where a page cannot end its program: what it shows once the game has ended.
inline constexpr std::string_view kGameEnded = "La partie est terminée.";
inline constexpr std::string_view kNewGame = "Nouvelle partie";
// Said when the game's code fails on a click: the click is lost, the next ones are played.
inline constexpr std::string_view kMoveFailed = "Erreur : ce clic n'a pas pu être joué.";
// The close box of the About dialog, which a page draws itself.
inline constexpr std::string_view kCloseBox = "Fermer";
// The installed game's names, and what the store or the launcher says of it.
inline constexpr std::string_view kShortName = "Torvelle";
inline constexpr std::string_view kAppDescription =
    "Le jeu de Torvelle : une flotte cachée à couler, sur une grille de dix sur dix.";

} // namespace torvelle::ui_texts
