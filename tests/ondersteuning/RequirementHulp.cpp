#include "tests/ondersteuning/RequirementHulp.h"

Requirement bekendeRequirement()
{
    Requirement rek;
    rek.naam = "O'Brien's 100% brake";
    rek.auteur = "Ine";
    rek.SR = 12;
    rek.versie = "1.2.0";
    rek.prioriteit = 80;
    rek.totaleKosten = 1500;
    rek.beschrijving = "<rich>text</rich>";
    rek.implementatie = "ABS";
    rek.implementatieIngenieur = "Piet";
    rek.validatie_test = "Track test";
    rek.testLogboek = "ok";
    rek.testIngenieur = "Klaas";
    rek.externeRef = "/docs/brake.pdf";
    rek.kommentaar = "100% sure";
    rek.aftekenaar = "Jan";
    rek.afgetekendDatum = wxDateTime(1, wxDateTime::Mar, 2025);
    rek.SR_ouder = -1;
    rek.SR_gerelateerd = 7;
    rek.status = Requirement::StatusGetest;
    rek.type = Requirement::TypeSysteem;
    rek.funkType = Requirement::FunkTypePrestatie;
    rek.datum = wxDateTime(31, wxDateTime::Jan, 2024);
    return rek;
}

wxString alsTekst(const Requirement& rek)
{
    const auto dag = [](const wxDateTime& d) { return d.IsValid() ? d.FormatISOCombined(' ') : wxString("none"); };
    wxString tekst;
    tekst << "naam " << rek.naam << "\nauteur " << rek.auteur << "\nSR " << rek.SR << "\nversie " << rek.versie
          << "\nprioriteit " << rek.prioriteit << "\ntotaleKosten " << rek.totaleKosten << "\nbeschrijving "
          << rek.beschrijving << "\nimplementatie " << rek.implementatie << "\nimplementatieIngenieur "
          << rek.implementatieIngenieur << "\nvalidatie_test " << rek.validatie_test << "\ntestLogboek "
          << rek.testLogboek << "\ntestIngenieur " << rek.testIngenieur << "\nexterneRef " << rek.externeRef
          << "\nkommentaar " << rek.kommentaar << "\naftekenaar " << rek.aftekenaar << "\nafgetekendDatum "
          << dag(rek.afgetekendDatum) << "\nSR_ouder " << rek.SR_ouder << "\nSR_gerelateerd " << rek.SR_gerelateerd
          << "\nstatus " << static_cast<int>(rek.status) << "\ntype " << static_cast<int>(rek.type) << "\nfunkType "
          << static_cast<int>(rek.funkType) << "\ndatum " << dag(rek.datum);
    return tekst;
}
