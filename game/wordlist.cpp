#include "wordlist.h"

#include <array>

namespace WordList {

// Octal escapes are code page 1252 bytes (\340 à, \342 â, \347 ç, \350 è,
// \351 é, \352 ê, \353 ë, \356 î, \373 û).
// Five entries a line, each line with its first index: kept as typed.
// clang-format off
const char *const Noms[kCount] = {
    "le a/A", "l'abeille/ABEILLE", "l'abricot/ABRICOT", "l'accent aigu/ACCENAIG", "l'accent circonflexe/ACCENCIR",  // 0
    "l'accent grave/ACCENGRA", "l'accord\351on/ACCORDEO", "l'addition/ADDITION", "l'a\351rostat/AEROSTAT", "l'aigle/AIGLE",  // 5
    "l'aiguille/AIGUILLE", "l'aiguille \340 tricoter/AIGTRICO", "l'allumette/ALLUMETT", "l'ampoule/AMPOULE", "l'ananas/ANANAS",  // 10
    "l'\342ne/ANE", "l'an\351mone/ANEMONE", "l'anguille/ANGUILLE", "l'appareil photo/APPHOTO", "l'aquarium/AQUARIUM",  // 15
    "l'araign\351e/ARAIGNEE", "l'arc/ARC", "l'arc-en-ciel/ARCENCIE", "l'armoire/ARMOIRE", "l'arrosoir/ARROSOIR",  // 20
    "l'artichaut/ARTICHAU", "les asperges/ASPERGE", "l'aspirateur/ASPIRATE", "l'assiette/ASSIETTE", "l'aubergine/AUBERGIN",  // 25
    "l'autobus/AUTOBUS", "l'automobile/AUTOMOBI", "l'autruche/AUTRUCHE", "l'avion/AVION", "le b/B",  // 30
    "la bague/BAGUE", "la baignoire/BAIGNOIR", "le balai/BALAI", "la balance/BALANCE", "la balan\347oire/BALANCOI",  // 35
    "la baleine/BALEINE", "la balle de tennis/BALLETEN", "le ballon/BALLON", "le ballon de football/BALLFOOT", "la banane/BANANE",  // 40
    "le banc/BANC", "le banc public/BANCPUBL", "le baobab/BAOBAB", "le barom\350tre/BAROMETR", "le bas/BAS",  // 45
    "le bavoir/BAVOIR", "le b\351b\351/BEBE", "la b\352che/BECHE", "le berceau/BERCEAU", "le b\351ret/BERET",  // 50
    "le beurre/BEURRE", "le biberon/BIBERON", "la biblioth\350que/BIBLIOTH", "la biche/BICHE", "les billes/BILLES",  // 55
    "le billet de banque/BILLET", "le biscuit/BISCUIT", "le bleuet/BLEUET", "le blouson/BLOUSON", "le boa/BOA",  // 60
    "la bobine/BOBINE", "la bo\356te de couleurs/COULEURS", "le bol/BOL", "le bonbon/BONBON", "le bonnet/BONNET",  // 65
    "les bottes/BOTTES", "la bougie/BOUGIE", "la boule de p\351tanque/BOULEPET", "le bouleau/BOULEAU", "le boulon/BOULON",  // 70
    "le bouquet/BOUQUET", "la boussole/BOUSSOLE", "le bouton/BOUTON", "le bracelet/BRACELET", "le briquet/BRIQUET",  // 75
    "la brosse \340 dents/BROSSEAD", "la brouette/BROUETTE", "le buffet/BUFFET", "le bulldozer/BULLDOZE", "le bureau/BUREAU",  // 80
    "le c/C", "le cactus/CACTUS", "le cadeau/CADEAU", "la cafeti\350re/CAFETIER", "la cage/CAGE",  // 85
    "la cagoule/CAGOULE", "le cahier/CAHIER", "la calculette/CALCULET", "le calendrier/CALENDRI", "le cam\351l\351on/CAMELEON",  // 90
    "le camembert/CAMEMBER", "le camescope/CAMESCOP", "le camion/CAMION", "le camion-citerne/CAMCITER", "le canap\351/CANAPE",  // 95
    "le canard/CANARD", "le canari/CANARI", "le canif/CANIF", "la canne/CANNE", "le cano\353/CANOE",  // 100
    "le canot/CANOT", "la carafe/CARAFE", "la caravane/CARAVANE", "la carotte/CAROTTE", "le carr\351/CARRE",  // 105
    "la carte \340 jouer/CARTE", "la carte de cr\351dit/CARTCRED", "la cascade/CASCADE", "le casque/CASQUE", "la casquette/CASQUETT",  // 110
    "la casserole/CASSEROL", "le cercle/CERCLE", "le cerf/CERF", "les cerises/CERISES", "la chaise/CHAISE",  // 115
    "le chameau/CHAMEAU", "le champagne/CHAMPAGN", "le champignon/CHAMPIGN", "le chapeau/CHAPEAU", "le chapiteau/CHAPITEA",  // 120
    "le chat/CHAT", "la ch\342taigne/CHATAIGN", "les chaussettes/CHAUSSET", "les chaussons/CHAUSSON", "les chaussures/CHAUSSUR",  // 125
    "la chauve-souris/CHAUVE_S", "le chemin/CHEMIN", "la chemin\351e/CHEMINEE", "la chemise/CHEMISE", "le chemisier/CHEMISIE",  // 130
    "le ch\352ne/CHENE", "le cheval/CHEVAL", "la ch\350vre/CHEVRE", "le chien/CHIEN", "le chocolat/CHOCOLAT",  // 135
    "le chou/CHOUX", "la chouette/CHOUETTE", "le chou-fleur/CHOUXFLE", "la cible/CIBLE", "la cigogne/CIGOGNE",  // 140
    "le cinq/CINQ", "le cir\351/CIRE", "les ciseaux/CISEAUX", "le citron/CITRON", "la cl\351 \340 molette/CLEAMOLE",  // 145
    "la cloche/CLOCHE", "le clou/CLOU", "la coccinelle/COCCINEL", "le cochon/COCHON", "la cocotte-minute/COCOTTE",  // 150
    "le collier/COLLIER", "la commode/COMMODE", "le compas/COMPAS", "le concombre/CONCOMBR", "la constellation/CONSTELL",  // 155
    "le coq/COQ", "le coquelicot/COQUELIC", "le coquetier/COQUETIE", "le coquillage/COQUILLA", "le corbeau/CORBEAU",  // 160
    "la corbeille/CORBEILL", "la corde \340 sauter/CORDE", "la cornue/CORNUE", "le couteau/COUTEAU", "la couverture/COUVERTU",  // 165
    "le crabe/CRABE", "le crapaud/CRAPAUD", "la cravate/CRAVATE", "le crayon/CRAYON", "le crayon feutre/FEUTRE",  // 170
    "la crevette/CREVETTE", "le crocodile/CROCODIL", "le croissant/CROISSAN", "le cube/CUBE", "la cuill\350re/CUILLERE",  // 175
    "la cuisini\350re/CUISINIE", "la culotte/CULOTTE", "la cuvette/CUVETTE", "le cygne/CYGNE", "le d/D",  // 180
    "le dauphin/DAUPHIN", "le d\351/DE", "le d\351 \340 coudre/DEACOUDR", "le d\351capsuleur/DECAPSUL", "le dentifrice/DENTIFRI",  // 185
    "le deux/DEUX", "le dindon/DINDON", "le dinosaure/DINAUSOR", "le disque/DISQUE", "la disquette/DISQUETT",  // 190
    "le domino/DOMINO", "la douche/DOUCHE", "le drap/DRAP", "la droite/DROITE", "le dromadaire/DROMADAI",  // 195
    "le e/E", "l'eau/EAU", "l'\351charpe/ECHARPE", "l'\351chelle/ECHELLE", "l'\351clair/ECLAIR",  // 200
    "l'\351crou/ECROU", "l'\351cureuil/ECUREUIL", "l'\351glantine/EGLANTIN", "l'\351l\351phant/ELEPHANT", "l'entonnoir/ENTONNOI",  // 205
    "l'\351pingle/EPINGLE", "l'\351pingle de s\373ret\351/EPINGSUR", "l'\351prouvette/EPROUVET", "l'escabeau/ESCABEAU", "l'escalier/ESCALIER",  // 210
    "l'escargot/ESCARGOT", "l'est/EST", "l'\351tabli/ETABLI", "l'\351tang/ETANG", "l'\351tau/ETAU",  // 215
    "l'\351toile/ETOIL", "l'\351toile de mer/ETOILE", "l'\351vier/EVIER", "le f/F", "le faisan/FAISAN",  // 220
    "le faon/FAON", "le fauteuil/FAUTEUIL", "la faux/FAUX", "la femme/FEMME", "la fen\352tre/FENETRE",  // 225
    "le fer \340 repasser/FERAREPA", "le fer \340 souder/FERASOUD", "le feu/FEU", "le feu rouge/FEUROUGE", "la figue/FIGUE",  // 230
    "le fil/FIL", "le fil \340 plomb/FILAPLOM", "la fille/FILLE", "la fl\350che/FLECHE", "la fl\373te/FLUTE",  // 235
    "la formule/FORMULE", "le four/FOUR", "la fourchette/FOURCHET", "la fourmi/FOURMI", "la fraise/FRAISE",  // 240
    "la framboise/FRAMBOIS", "la fus\351e/FUSEE", "le g/G", "le gant de toilette/GANTDETO", "les gants/GANTS",  // 245
    "le garage/GARAGE", "le gar\347on/GARCON", "le g\342teau/GATEAU", "la gauche/GAUCHE", "la gazelle/GAZELLE",  // 250
    "le gilet/GILET", "la girafe/GIRAFE", "la girouette/GIROUETT", "la glace/GLACE", "le globe/GLOBE",  // 255
    "la gomme/GOMME", "la grenouille/GRENOUIL", "les groseilles/GROSEILL", "la grue/GRUE", "le gruy\350re/GRUYERE",  // 260
    "la gu\352pe/GUEPE", "le gui/GUI", "la guitare/GUITARE", "le h/H", "la hache/HACHE",  // 265
    "les halt\350res/HALTERES", "le haricot/HARICOT", "la harpe/HARPE", "le haut/HAUT", "l'h\351licopt\350re/HELICO",  // 270
    "le h\351risson/HERISSON", "le hibou/HIBOU", "l'hippocampe/HIPPOCAM", "l'hippopotame/HIPPOPOT", "l'hirondelle/HIRONDEL",  // 275
    "le hochet/HOCHET", "l'homme/HOMME", "le houx/HOUX", "le huit/HUIT", "l'hu\356tre/HUITRE",  // 280
    "le i/I", "l'iceberg/ICEBERG", "l'igloo/IGLOO", "l'\356le/ILE", "l'immeuble/IMMEUBLE",  // 285
    "l'imprimante/IMPRIMAN", "l'iris/IRIS", "le j/J", "la jacinthe/JACINTHE", "le jambon/JAMBON",  // 290
    "le jeu de dames/JEUDEDAM", "le jeu d'\351checs/ECHEC", "le journal/JOURNAL", "les jumelles/JUMELLES", "la jupe/JUPE",  // 295
    "le k/K", "le kangourou/KANGOURO", "le kiwi/KIWI", "le l/L", "le lac/LAC",  // 300
    "le lait/LAIT", "la lampe/LAMPE", "le landau/LANDAU", "le lapin/LAPIN", "le lavabo/LAVABO",  // 305
    "le l\351zard/LEZARD", "la libellule/LIBELLUL", "le li\350vre/LIEVRE", "la limace/LIMACE", "la lime/LIME",  // 310
    "le lion/LION", "le lit/LIT", "le litre/LITRE", "le livre/LIVRE", "la locomotive/LOCOMOTI",  // 315
    "le losange/LOSANGE", "la louche/LOUCHE", "le loup/LOUP", "la loupe/LOUPE", "la luge/LUGE",  // 320
    "la lune/LUNE", "les lunettes/LUNETTES", "le lustre/LUSTRE", "le m/M", "la machine \340 coudre/MACHINE",  // 325
    "la machine \340 \351crire/MACHAECR", "la machine \340 laver/LAVELING", "le magasin/MAGASIN", "le maillot de bain/MAILLOT", "la maison/MAISON",  // 330
    "le mammouth/MAMMOUTH", "la mandarine/MANDARIN", "le manteau/MANTEAU", "la marguerite/MARGUERI", "le marron/MARRON",  // 335
    "le marteau/MARTEAU", "le marteau-piqueur/MARTPIQU", "le masque/MASQUE", "la m\351duse/MEDUSE", "le melon/MELON",  // 340
    "la mer/MER", "le merle/MERLE", "la m\351sange/MESANGE", "le m\350tre/METRE", "le microscope/MICROSCO",  // 345
    "le mimosa/MIMOSA", "le minitel/MINITEL", "le miroir/MIROIR", "le moineau/MOINEAU", "la montagne/MONTAGNE",  // 350
    "la montre/MONTRE", "le mot/MOT", "la moto/MOTO", "la mouche/MOUCHE", "la mouette/MOUETTE",  // 355
    "les moufles/MOUFLES", "la moule/MOULE", "le moulin \340 vent/MOULIN", "le moustique/MOUSTIQU", "le mouton/MOUTON",  // 360
    "le muguet/MUGUET", "le mur/MUR", "la m\373re/MURE", "le n/N", "le narcisse/NARCISSE",  // 365
    "le navet/NAVET", "la navette spatiale/NAVETTE", "le neuf/NEUF", "la noisette/NOISETTE", "la noix/NOIX",  // 370
    "la noix de coco/NOIXCOCO", "le nord/NORD", "la note de musique/NOTE", "le nuage/NUAGE", "le o/O",  // 375
    "l'oeillet/OEILLET", "l'oeuf/OEUF", "l'oie/OIE", "l'olive/OLIVE", "l'orange/ORANGE",  // 380
    "l'ordinateur/ORDINATE", "l'os/OS", "l'ouest/OUEST", "l'ours/OURS", "l'ours en peluche/OURSENPL",  // 385
    "l'oursin/OURSIN", "l'ovale/OVALE", "le p/P", "le pain/PAIN", "le palmier/PALMIER",  // 390
    "le pansement/PANSEMEN", "le pantalon/PANTALON", "la panth\350re/PANTHERE", "les pantoufles/PANTOUFL", "le papillon/PAPILLON",  // 395
    "la p\342querette/PAQUERET", "le parachute/PARACHUT", "le parapluie/PARAPLUI", "le parasol/PARASOL", "le passage \340 niveau/PASSAGEN",  // 400
    "le passage prot\351g\351/PASSAGEP", "la passoire/PASSOIRE", "le p\342t\351/PATE", "les patins \340 glace/PATINGLA", "les patins \340 roulettes/PATINROU",  // 405
    "le peigne/PEIGNE", "le p\351lican/PELICAN", "la pelle/PELLE", "la pelle m\351canique/PELLEMEC", "la pelote de laine/PELOTE",  // 410
    "la pendule/PENDULE", "la pens\351e/PENSEE", "la perceuse/PERCEUSE", "la perdrix/PERDRIX", "le perroquet/PERROQUE",  // 415
    "le persil/PERSIL", "les petits pois/PETITPOI", "le peuplier/PEUPLIER", "le phare/PHARE", "la pharmacie/PHARMACI",  // 420
    "le phoque/PHOQUE", "le piano/PIANO", "la pie/PIE", "les pi\350ces/PIECES", "la pieuvre/PIEUVRE",  // 425
    "le pigeon/PIGEON", "le pinceau/PINCEAU", "les pinces/PINCES", "le pingouin/PINGOUIN", "la pioche/PIOCHE",  // 430
    "la piscine/PISCINE", "le pistolet/PISTOLET", "le pivert/PIVERT", "la planche \340 roulettes/PLANROUL", "la plan\350te/PLANETE",  // 435
    "la plante verte/PLANTE", "le plantoir/PLANTOIR", "la po\352le/POELE", "le poids/POIDS", "le point/POINT",  // 440
    "le point d'exclamation/POINTEXC", "le point d'interrogation/POINTINT", "la poire/POIRE", "le poireau/POIREAU", "le poisson rouge/PO_ROUGE",  // 445
    "le poivron/POIVRON", "la pomme/POMME", "la pomme de terre/POMDETER", "le pont/PONT", "le portail/PORTAIL",  // 450
    "la porte/PORTE", "la poubelle/POUBELLE", "la poule/POULE", "la poup\351e/POUPEE", "la poussette/POUSSET",  // 455
    "le poussin/POUSSIN", "la prune/PRUNE", "la publicit\351/PUBLICIT", "le pull-over/PULLOVER", "le puzzle/PUZZLE",  // 460
    "le pyjama/PYJAMA", "le q/Q", "le quatre/QUATRE", "la quille/QUILLE", "le r/R",  // 465
    "le rabot/RABOT", "le radeau/RADEAU", "le radiateur/RADIATEU", "la radio/RADIO", "le radis/RADIS",  // 470
    "le raisin/RAISIN", "la r\342pe/RAPE", "le rasoir/RASOIR", "le rat/RAT", "le r\342teau/RATEAU",  // 475
    "le rectangle/RECTANGL", "le r\351frig\351rateur/REFRIGER", "la r\350gle/REGLE", "le renard/RENARD", "le renne/RENNE",  // 480
    "le requin/REQUIN", "le rhinoc\351ros/RHINOCER", "la rivi\350re/RIVIERE", "la robe/ROBE", "la robe de chambre/ROBEDECH",  // 485
    "la rondelle/RONDELLE", "la rose/ROSE", "la route/ROUTE", "le s/S", "les sabots/SABOTS",  // 490
    "la salade/SALADE", "le saladier/SALADIER", "la sali\350re/SALIERE", "la salopette/SALOPETT", "les sandales/SANDALES",  // 495
    "le sanglier/SANGLIER", "le sapin/SAPIN", "le satellite/SATELLIT", "la sauci\350re/SAUCIERE", "la saucisse/SAUCISSE",  // 500
    "le saucisson/SAUCISSO", "la sauterelle/SAUTEREL", "le savon/SAVON", "la scie/SCIE", "le seau/SEAU",  // 505
    "le s\351cateur/SECATEUR", "le s\351choir/SECHOIR", "la seiche/SEICHE", "le sens interdit/SENSINTE", "le sept/SEPT",  // 510
    "la serviette/SERVIETT", "le short/SHORT", "le signe \351gal/EGAL", "le signe moins/MOINS", "le signe plus/PLUS",  // 515
    "le singe/SINGE", "le six/SIX", "les skis/SKIS", "le slip/SLIP", "la sole/SOLE",  // 520
    "le soleil/SOLEIL", "la souris/SOURIS", "le sous-marin/SOUSMARI", "la soustraction/SOUSTRAC", "la statue/STATUE",  // 525
    "le stop/STOP", "le stylo/STYLO", "la sucette/SUCETTE", "le sucre/SUCRE", "le sud/SUD",  // 530
    "le t/T", "la table/TABLE", "le tableau/TABLEAU", "le tablier/TABLIER", "le tambour/TAMBOUR",  // 535
    "la tarte/TARTE", "le tapis/TAPIS", "la tasse/TASSE", "la taupe/TAUPE", "le t\351l\351phone/TELEPHON",  // 540
    "le t\351lescope/TELESCOP", "le t\351l\351viseur/TELEVISI", "les tenailles/TENAILLE", "la tente/TENTE", "la terre/TERRE",  // 545
    "la th\351i\350re/THEIERE", "le thermom\350tre/THERMOME", "le ticket/TICKET", "le tigre/TIGRE", "le tilde/TILDE",  // 550
    "la timbale/TIMBALE", "le timbre/TIMBRE", "le tire-bouchon/TIREBOUC", "le toboggan/TOBOGGAN", "la tomate/TOMATE",  // 555
    "la tondeuse \340 gazon/TONDEUSE", "la torche \351lectrique/TORCHE", "le torchon/TORCHON", "la tortue/TORTUE", "la toupie/TOUPIE",  // 560
    "la tour eiffel/TOUREIFF", "le tournevis/TOURNEVI", "le tr\351ma/TREMA", "le triangle/TRIANGLE", "le tricycle/TRICYCLE",  // 565
    "le trois/TROIS", "le trombone/TROMBONE", "la trompette/TROMPETT", "la truelle/TRUELLE", "la truite/TRUITE",  // 570
    "la tulipe/TULIPE", "le u/U", "le un/UN", "l'usine/USINE", "le v/V",  // 575
    "la vache/VACHE", "la valise/VALISE", "le vase/VASE", "le v\351lo/VELO", "le v\351lomoteur/VELOMOTE",  // 580
    "le ver de terre/VER", "le verre/VERRE", "la veste/VESTE", "le vin/VIN", "la violette/VIOLETTE",  // 585
    "le violon/VIOLON", "la vip\350re/VIPERE", "la virgule/VIRGULE", "la vis/VIS", "la voie/VOIE",  // 590
    "le voilier/VOILIER", "la voiture/VOITURE", "le volcan/VOLCAN", "la vrille/VRILLE", "le w/W",  // 595
    "le wagon/WAGON", "le x/X", "le xylophone/XYLOPHON", "le y/Y", "le yaourt/YAOURT",  // 600
    "le z/Z", "le z\350bre/ZEBRE", "le z\351ro/ZERO",  // 605
    "",  // 608: empty, never drawn
};
// clang-format on

QByteArray entry(int index)
{
    return QByteArray(Noms[index]);
}

QByteArrayView nameView(int index)
{
    // The names are cut out of the entries once; the draw looks at up to
    // 30000 of them per turn.
    static const auto names = [] {
        std::array<QByteArrayView, kCount> views;
        for (int i = 0; i < kCount; ++i) {
            const QByteArrayView e(Noms[i]);
            const qsizetype slash = e.indexOf('/');
            views[i] = slash < 0 ? e : e.first(slash);
        }
        return views;
    }();
    return names[index];
}

QByteArray name(int index)
{
    return nameView(index).toByteArray();
}

QByteArray key(int index)
{
    const QByteArray e = entry(index);
    const int slash = e.indexOf('/');
    return slash < 0 ? QByteArray() : e.mid(slash + 1, 8);
}

int nounLength(QByteArrayView name)
{
    if (name.size() >= 2 && name.at(1) == '\'')
        return int(name.size()) - 2;
    // indexOf is 0-based, so this is "length minus 1-based position".
    return int(name.size()) - (int(name.indexOf(' ')) + 1);
}

} // namespace WordList
