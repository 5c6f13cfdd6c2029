#include "layouts/factory.h"

const FactoryTable<SetRekord>& setFactory() {
  using R = SetRekord;
  static const FactoryTable<R> t = {
      {&R::Osszeg_x1, 15},    {&R::Osszeg_x2, 80},    {&R::Osszeg_y, 6},
      {&R::Kozlemeny_x, 150}, {&R::Kozlemeny_y, 5},   {&R::CsSzoveg_x1, 2},
      {&R::CsSzoveg_x2, 68},  {&R::CsSzoveg_y1, 15},  {&R::CsSzoveg_y2, 22},
      {&R::Jogcim_y, 33},     {&R::Jogcim_x, 25},     {&R::Cim_x1, 5},
      {&R::Cim_x2, 140},      {&R::Cim_y, 50},        {&R::Irsz_y, 68},
      {&R::BetuTipus1, 0, QStringLiteral("Arial CE")},
      {&R::BetuTipus2, 0, QStringLiteral("Times New Roman CE")},
      {&R::BetuMeret1, 12},   {&R::BetuMeret2, 10},   {&R::BefizAzon_x, 80},
      {&R::BefizAzon_y, 40},  {&R::Vkorrekcio, 0},
  };
  return t;
}

const FactoryTable<SetTertiRekord>& tertiFactory() {
  using R = SetTertiRekord;
  static const FactoryTable<R> t = {
      {&R::TertiCimzett_y, 22},         {&R::TertiCimzett_x, 68},
      {&R::TertiUgyfazonosito_y, 11},   {&R::TertiUgyfazonosito_x, 120},
      {&R::TertiUgyfSajatJel_y, 36},    {&R::TertiUgyfSajatJel_x, 120},
      {&R::TertiKuldemAzonosito_y, 5},  {&R::TertiKuldemAzonosito_x, 40},
      {&R::TertiVisszakuld_y, 59},      {&R::TertiVisszakuld_x, 80},
      {&R::TertiBetuTipus, 0, QStringLiteral("Times New Roman CE")},
      {&R::TertiBetuMeret, 10},
      {&R::TertiPipa_y, 15},            {&R::TertiPipaPri_x, 130},
      {&R::TertiPipaSk_x, 139},         {&R::TertiPipaUv_x, 148},
      {&R::TertiFelKelte_y, 35},        {&R::KTertiKulVisszaSorem, 8},
      {&R::KTertiKulAzon_y, 16},        {&R::KTertiKulAzon_x, 15},
      {&R::KTertiKulVissza_y, 53},      {&R::KTertiKulVissza_x, 85},
      {&R::KTertiKulPri_x, 43},         {&R::KTertiKulLevPriCsom_y, 46},
      {&R::KTertiKulAjanlottEsSK_x, 17}, {&R::KTertiKulAjanlott_y, 52},
      {&R::KTertiKulSK_y, 58},          {&R::KTertiCsomag_x, 63},
      {&R::KTertiCimzett_y, 25},        {&R::KTertiCimzett_x, 15},
  };
  return t;
}

const FactoryTable<SetIrat2Rekord>& irat2Factory() {
  using R = SetIrat2Rekord;
  static const FactoryTable<R> t = {
      {&R::IratTertiCimzett_y, 22},       {&R::IratTertiCimzett_x, 51},
      {&R::IratTertiFelado_y, 60},        {&R::IratTertiFelado_x, 80},
      {&R::IratTertiIratszam_y, 24},      {&R::IratTertiIratszam_x, 106},
      {&R::IratTertiIratfajta_y, 27},     {&R::IratTertiIratfajta_x, 106},
      {&R::IratTertiIratmelleklet_y, 30}, {&R::IratTertiIratmelleklet_x, 106},
      {&R::IratTertiIratotthagy_y, 34},   {&R::IratTertiIratotthagy_x, 146},
      {&R::IratTertiIratposta_y, 4},      {&R::IratTertiIratposta_x, 85},
      {&R::IratTertiIratkuldAzon_y, 3},   {&R::IratTertiIratkuldAzon_x, 12},
      {&R::IratTertiBetuTipus, 0, QStringLiteral("Times New Roman CE")},
      {&R::IratTertiBetuMeret, 9},
      // No bar-code font comes with the program: the code's digits in the text font, larger.
      {&R::VkodBetutipus, 0, QStringLiteral("Times New Roman CE")},
      {&R::VkodMeret, 12},
  };
  return t;
}

const FactoryTable<SetIrat2Rekord>& irat2Restore() {
  using R = SetIrat2Rekord;
  static const FactoryTable<R> t = [] {
    FactoryTable<R> r;
    for (const FactoryValue<R>& v : irat2Factory())
      if (v.field != FieldRef<R>(&R::VkodBetutipus) && v.field != FieldRef<R>(&R::VkodMeret)) r.push_back(v);
    return r;
  }();
  return t;
}

const FactoryTable<SetFvevenyRekord>& fvevenyFactory() {
  using R = SetFvevenyRekord;
  static const FactoryTable<R> t = {
      {&R::FeladovevenyFelado_y, 26},  {&R::FeladovevenyFelado_x, 55},
      {&R::FeladovevenyErtek_y, 40},   {&R::FeladovevenyErtek_x, 140},
      {&R::FeladovevenyCimzett_y, 53}, {&R::FeladovevenyCimzett_x, 55},
      {&R::FeladovevenyBetuTipus, 0, QStringLiteral("Times New Roman CE")},
      {&R::FeladovevenyBetuMeret, 10},
      {&R::FeladovevenyXAjanlott_y, 41}, {&R::FeladovevenyXAjanlott_x, 56},
      {&R::FeladovevenyXTerti_x, 91},    {&R::FeladovevenyXErtek_x, 129},
      {&R::FeladovevenyXCsomag_y, 46},   {&R::FeladovevenyXK1_y, 29},
      {&R::FeladovevenyXK1_x, 138},      {&R::FeladovevenyXK2_x, 144},
      {&R::FeladovevenyXK3_x, 150},      {&R::FeladovevenyXK4_x, 156},
      {&R::FeladovevenyXK5_x, 162},      {&R::FeladovevenyXK6_x, 168},
      {&R::FeladovevenyUtanvet_x, 140},  {&R::FeladovevenyUtanvet_y, 57},
      {&R::FeladovevenyUtanvetszoveg1_x, 154}, {&R::FeladovevenyUtanvetszoveg1_y, 50},
      {&R::FeladovevenyUtanvetszoveg2_x, 137}, {&R::FeladovevenyUtanvetszoveg2_y, 53},
      {&R::FeladovevenyBetuMeret2, 8},
  };
  return t;
}

const FactoryTable<SetRcsekkRekord>& rcsekkFactory() {
  using R = SetRcsekkRekord;
  static const FactoryTable<R> t = {
      {&R::RcsekkTextosszeg_x1, 5},     {&R::RcsekkTextosszeg_x2, 70},
      {&R::RcsekkTextosszeg_y1, 4},     {&R::RcsekkTextosszeg_y2, 33},
      {&R::RcsekkTextCsSzoveg_x1, 3},   {&R::RcsekkTextCsSzoveg_x2, 68},
      {&R::RcsekkTextCsSzoveg_y1, 12},  {&R::RcsekkTextCsSzoveg_y2, 43},
      {&R::RcsekkTextFelado_y, 12},     {&R::RcsekkTextFelado_x, 70},
      {&R::RcsekkTextcim_x1, 5},        {&R::RcsekkTextcim_x2, 140},
      {&R::RcsekkTextcim_y, 61},        {&R::RcsekkTextirsz_y, 77},
      {&R::RcsekkFeladoHatoldal_y, 65}, {&R::RcsekkFeladoHatoldal_x, 82},
      {&R::RcsekkKozlemHatoldal_y, 7},  {&R::RcsekkKozlemHatoldal_x, 75},
      {&R::RcsekkNumBetuTipus, 0, QStringLiteral("Arial CE")},
      {&R::RcsekkSzovegBetuTipus, 0, QStringLiteral("Times New Roman CE")},
      {&R::RcsekkBetuMeret1, 12},       {&R::RcsekkBetuMeret2, 10},
      {&R::RcsekkTextcim2_y, 61},       {&R::RcsekkTextirsz2_y, 77},
  };
  return t;
}

const FactoryTable<SetUlapRekord>& ulapFactory() {
  using R = SetUlapRekord;
  static const FactoryTable<R> t = {
      {&R::UlapTextosszeg_x, 10}, {&R::UlapTextosszeg_y1, 8},  {&R::UlapTextosszeg_y2, 38},
      {&R::UlapTextFelado_x, 5},  {&R::UlapTextFelado_y, 18},  {&R::UlapTextCsSzoveg_x, 10},
      {&R::UlapTextCsSzoveg_y, 49}, {&R::UlapCim_x, 80},       {&R::UlapCim_y, 64},
      {&R::UlapKuldCim_x, 80},    {&R::UlapKuldCim_y, 65},     {&R::UlapRX_x, 57},
      {&R::UlapRX_y, 2},
  };
  return t;
}
