// The settlement, street and postcode lookups and the pick list, over small tables written
// by the tests.
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

#include "payerwindows/cimkereso.h"
#include "support/tempfolder.h"

namespace {

QByteArray telepulesek() {
  QByteArray b;
  for (const TelepulesRekord& r : {TelepulesRekord{"Győr", "", 9021}, TelepulesRekord{"Győr", "Ménfőcsanak", 9019},
                                   TelepulesRekord{"Pécs", "", 7621}, TelepulesRekord{"Pécsvárad", "", 7720},
                                   TelepulesRekord{"Tiszaszalka", "", 4831}, TelepulesRekord{"Tiszavid", "", 4831}})
    b += encodeRecord(r);
  return b;
}

QByteArray budapest() {
  QByteArray b;
  for (const BudapestRekord& r : {BudapestRekord{1052, "Váci", "utca", "Belváros", kHszParos, kHszVegig, "V."},
                                  BudapestRekord{1052, "Petőfi Sándor", "utca", "Belváros", 1, 15, "V."},
                                  BudapestRekord{1056, "Váci", "utca", "Belváros", kHszParatlan, 77, "V."},
                                  BudapestRekord{1011, "Batthyány", "tér", "Víziváros", kHszMind, kHszVegig, "I."},
                                  BudapestRekord{1117, "Október huszonharmadika", "utca", "Lágymányos", kHszTobbi, 0, "XI."}})
    b += encodeRecord(r);
  return b;
}

class CimKeresoTest : public ::testing::Test {
 protected:
  CimKeresoTest() {
    folder.put(kTelepulesekFile, telepulesek());
    folder.put(kBudapestFile, budapest());
    keret.show();
    lista->rejt();
    lista->setMezok(&helyseg, &utca, &irsz);
  }
  QStringList sor(int i) const {
    QStringList s;
    for (int c = 0; c < lista->columnCount(); ++c) s << lista->topLevelItem(i)->text(c);
    return s;
  }
  void cim(const QString& h, const QString& u, const QString& i) {
    helyseg.setText(h);
    utca.setText(u);
    irsz.setText(i);
  }
  void helysegEnter() { helysegKereses(folder.path(), &helyseg, &irsz, lista); }
  void utcaEnter() { utcaKereses(folder.path(), &helyseg, &utca, &irsz, lista); }
  void irszEnter() { irszamKereses(folder.path(), &helyseg, &utca, &irsz, lista); }

  TempFolder folder;
  QWidget keret;  // frameCimKeres
  CimValaszto* lista = new CimValaszto(folder.path(), &keret, &keret);
  QLineEdit helyseg, utca, irsz;
};

}  // namespace

TEST_F(CimKeresoTest, SettlementMatchesTheWholeNameInAnyCase) {
  cim(QStringLiteral("  pécs "), "", "");
  helysegEnter();
  EXPECT_EQ(helyseg.text(), QStringLiteral("Pécs"));
  EXPECT_EQ(irsz.text(), QStringLiteral("7621"));
  EXPECT_FALSE(lista->lathato());
  EXPECT_EQ(lista->KeresesModja, 0);
  // Accented capitals match their small letters.
  cim(QStringLiteral("PÉCSVÁRAD"), "", "");
  helysegEnter();
  EXPECT_EQ(irsz.text(), QStringLiteral("7720"));
  // The start of a name is no match: both boxes emptied.
  cim(QStringLiteral("Pécsvár"), "", "1234");
  helysegEnter();
  EXPECT_EQ(helyseg.text(), QString());
  EXPECT_EQ(irsz.text(), QString());
  EXPECT_FALSE(lista->lathato());
}

TEST_F(CimKeresoTest, SeveralSettlementsGoToThePickList) {
  cim(QStringLiteral("győr"), "Fő út", "");
  helysegEnter();
  EXPECT_TRUE(lista->lathato());
  EXPECT_EQ(lista->KeresesModja, 1);
  ASSERT_EQ(lista->topLevelItemCount(), 2);
  EXPECT_EQ(sor(0), (QStringList{"9021", "Győr", "", "", "", "", "", "1"}));
  EXPECT_EQ(sor(1), (QStringList{"9019", "Győr", "Ménfőcsanak", "", "", "", "", "2"}));
  EXPECT_EQ(helyseg.text(), QStringLiteral("győr"));  // left as typed until a pick
  lista->ListView2_ItemClick(lista->topLevelItem(1));
  EXPECT_EQ(helyseg.text(), QStringLiteral("Győr"));
  EXPECT_EQ(irsz.text(), QStringLiteral("9019"));
  EXPECT_EQ(utca.text(), QStringLiteral("Fő út"));
  EXPECT_TRUE(lista->lathato());  // a click leaves the list, a double click closes it
  lista->ListView2_DblClick();
  EXPECT_FALSE(lista->lathato());
}

TEST_F(CimKeresoTest, StreetLookup) {
  // One street: its name and kind, and its postcode; the settlement becomes Budapest.
  cim(QStringLiteral("Pécs"), QStringLiteral(" batthyány "), QStringLiteral("7621"));
  utcaEnter();
  EXPECT_EQ(helyseg.text(), QStringLiteral("Budapest"));
  EXPECT_EQ(utca.text(), QStringLiteral("Batthyány tér"));
  EXPECT_EQ(irsz.text(), QStringLiteral("1011"));
  // Several sections: postcode emptied, list shown with the house-number texts.
  cim(QStringLiteral("Pécs"), QStringLiteral("Váci"), QStringLiteral("7621"));
  utcaEnter();
  EXPECT_EQ(helyseg.text(), QStringLiteral("Budapest"));
  EXPECT_EQ(irsz.text(), QString());
  EXPECT_EQ(lista->KeresesModja, 2);
  ASSERT_EQ(lista->topLevelItemCount(), 2);
  EXPECT_EQ(sor(0), (QStringList{"1052", "Váci", "utca", "Belváros", "Páros", "Végig", "V.", "1"}));
  EXPECT_EQ(sor(1), (QStringList{"1056", "Váci", "utca", "Belváros", "Páratlan", "77", "V.", "3"}));
  helyseg.clear();
  lista->ListView2_ItemClick(lista->topLevelItem(1));
  EXPECT_EQ(utca.text(), QStringLiteral("Váci utca"));
  EXPECT_EQ(helyseg.text(), QStringLiteral("Budapest"));
  EXPECT_EQ(irsz.text(), QStringLiteral("1056"));
  // No such street: street and postcode emptied, list hidden.
  cim("", QStringLiteral("Váci utca"), "");
  utcaEnter();
  EXPECT_EQ(utca.text(), QString());
  EXPECT_EQ(lista->topLevelItemCount(), 0);
  EXPECT_FALSE(lista->lathato());
}

TEST_F(CimKeresoTest, BudapestPostcodeSharedBySeveralStreets) {
  cim(QStringLiteral("Pécs"), QStringLiteral("Régi utca"), QStringLiteral("1052"));
  irszEnter();
  EXPECT_EQ(helyseg.text(), QStringLiteral("Budapest"));
  EXPECT_EQ(lista->KeresesModja, 3);
  EXPECT_TRUE(lista->lathato());
  ASSERT_EQ(lista->topLevelItemCount(), 2);
  EXPECT_EQ(sor(1), (QStringList{"1052", "Petőfi Sándor", "utca", "Belváros", "1", "15", "V.", "2"}));
  lista->ListView2_ItemClick(lista->topLevelItem(1));
  EXPECT_EQ(utca.text(), QStringLiteral("Petőfi Sándor utca"));
  EXPECT_EQ(helyseg.text(), QStringLiteral("Budapest"));
  EXPECT_EQ(irsz.text(), QStringLiteral("1052"));
  // One street: the street box is filled, the list stays hidden.
  cim("", "", QStringLiteral("1117"));
  irszEnter();
  EXPECT_EQ(utca.text(), QStringLiteral("Október huszonharmadika utca"));
  EXPECT_FALSE(lista->lathato());
  // No street: the postcode is emptied, the street kept.
  cim("", QStringLiteral("Valami utca"), QStringLiteral("1999"));
  irszEnter();
  EXPECT_EQ(irsz.text(), QString());
  EXPECT_EQ(utca.text(), QStringLiteral("Valami utca"));
  EXPECT_EQ(helyseg.text(), QStringLiteral("Budapest"));
}

TEST_F(CimKeresoTest, PostcodeOutsideBudapest) {
  cim(QStringLiteral("Régi"), "", QStringLiteral("7621"));
  irszEnter();
  EXPECT_EQ(helyseg.text(), QStringLiteral("Pécs"));
  EXPECT_FALSE(lista->lathato());
  cim(QStringLiteral("Régi"), "", QStringLiteral("4831"));
  irszEnter();
  EXPECT_EQ(helyseg.text(), QString());
  EXPECT_TRUE(lista->lathato());
  EXPECT_EQ(lista->KeresesModja, 1);
  EXPECT_EQ(lista->topLevelItemCount(), 2);
  lista->ListView2_ItemClick(lista->topLevelItem(1));
  EXPECT_EQ(helyseg.text(), QStringLiteral("Tiszavid"));
  cim(QStringLiteral("Régi"), "", QStringLiteral("9999"));
  irszEnter();
  EXPECT_EQ(helyseg.text(), QString());
  EXPECT_EQ(irsz.text(), QString());
}

TEST_F(CimKeresoTest, PostcodeOfAnotherLengthDoesNothingAndDisablesPicks) {
  cim(QStringLiteral("győr"), "", "");
  helysegEnter();
  ASSERT_EQ(lista->topLevelItemCount(), 2);
  for (const QString& kod : {QStringLiteral("10520"), QStringLiteral("105"), QString()}) {
    cim(QStringLiteral("X"), QStringLiteral("Y"), kod);
    irszEnter();
    EXPECT_EQ(helyseg.text(), QStringLiteral("X"));
    EXPECT_EQ(irsz.text(), kod);
    EXPECT_EQ(lista->topLevelItemCount(), 2);
    EXPECT_TRUE(lista->lathato());
    EXPECT_EQ(lista->KeresesModja, 0);
  }
  lista->ListView2_ItemClick(lista->topLevelItem(0));
  EXPECT_EQ(helyseg.text(), QStringLiteral("X"));
}

TEST_F(CimKeresoTest, HouseNumberTexts) {
  EXPECT_EQ(hszTolSzoveg(-3), QStringLiteral("Többi"));
  EXPECT_EQ(hszTolSzoveg(-2), QStringLiteral("Páros"));
  EXPECT_EQ(hszTolSzoveg(-1), QStringLiteral("Páratlan"));
  EXPECT_EQ(hszTolSzoveg(0), QStringLiteral("Mind"));
  EXPECT_EQ(hszTolSzoveg(12), QStringLiteral("12"));
  EXPECT_EQ(hszIgSzoveg(0), QStringLiteral("Végig"));
  EXPECT_EQ(hszIgSzoveg(40), QStringLiteral("40"));
}

TEST_F(CimKeresoTest, DamagedAndMissingTablesAndStalePicks) {
  // A trailing partial record is not read.
  folder.put(kTelepulesekFile, telepulesek() + QByteArray("Pécs                "));
  cim(QStringLiteral("Pécs"), "", "");
  helysegEnter();
  EXPECT_EQ(irsz.text(), QStringLiteral("7621"));
  // A pick whose record left the table (a shorter table since the lookup) fills nothing.
  cim(QStringLiteral("Győr"), "", "");
  helysegEnter();
  folder.put(kTelepulesekFile, telepulesek().left(42));
  cim(QStringLiteral("A"), "", QStringLiteral("B"));
  lista->ListView2_ItemClick(lista->topLevelItem(1));
  EXPECT_EQ(helyseg.text(), QStringLiteral("A"));
  EXPECT_EQ(irsz.text(), QStringLiteral("B"));
  // Once the dialog's boxes are gone a pick fills nothing (and does not crash).
  {
    auto h = std::make_unique<QLineEdit>(), u = std::make_unique<QLineEdit>(), i = std::make_unique<QLineEdit>();
    lista->setMezok(h.get(), u.get(), i.get());
  }
  lista->ListView2_ItemClick(lista->topLevelItem(0));
  // Missing tables are created empty and match nothing.
  TempFolder ures;
  cim(QStringLiteral("Pécs"), QStringLiteral("Váci"), "7621");
  helysegKereses(ures.path(), &helyseg, &irsz, nullptr);
  EXPECT_EQ(helyseg.text(), QString());
  EXPECT_TRUE(ures.exists(kTelepulesekFile));
  utcaKereses(ures.path(), &helyseg, &utca, &irsz, nullptr);
  EXPECT_EQ(utca.text(), QString());
  EXPECT_EQ(ures.bytes(kBudapestFile).size(), 0);
}
