#pragma once

#include <vector>

class FormInterface;
class Module;

// The module's pages that the web application generator writes, in the order the project file
// lists them: master forms, transactions, reports, dashboard pages, RDLC reports. The login
// page is written and listed on its own.
std::vector<FormInterface*> PagesWithAspNetWriter(const Module& module);

// A page of a kind that the web application generator does not write.
struct PageWithoutAspNetWriter
{
    const FormInterface* page;
    const char* kind;
};
// Map forms, multi-page reports and report collectors, in that order.
std::vector<PageWithoutAspNetWriter> PagesWithoutAspNetWriter(const Module& module);
